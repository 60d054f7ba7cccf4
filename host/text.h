// Text: the wizard's byte strings (code page 936 for its own texts), and the operations on them.
#pragma once

#include <cstddef>
#include <cwchar>

#include "host/memory.h"

namespace host {

// A NUL-terminated byte string owned by its holder and released by its destructor. A
// default-constructed Text is null; null stands for the empty text everywhere. Move-only.
// Running out of memory for a new Text is a fatal error "分配 %d 字节内存失败!".
class Text {
public:
    Text() = default;
    // A new Text holding a copy of the first `size` bytes of `bytes` (plus a NUL).
    static Text Copy(const char* bytes, std::size_t size);
    // A new Text holding a copy of a NUL-terminated string; null when `s` is null.
    static Text Copy(const char* s);
    ~Text();
    Text(Text&& other) noexcept;
    Text& operator=(Text&& other) noexcept;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;

    bool IsNull() const { return data_ == nullptr; }
    // The bytes, or "" when null: always safe to hand to a host operation.
    const char* Str() const { return data_ ? data_ : ""; }
    // The raw pointer, null when null.
    const char* Get() const { return data_; }
    std::size_t Size() const;
    bool Empty() const { return data_ == nullptr || data_[0] == '\0'; }

private:
    explicit Text(char* owned) : data_(owned) {}
    friend Text AllocateText(std::size_t size);
    char* data_ = nullptr;
};

// A NUL-terminated UTF-16 string owned by its holder, for texts on their way to or from a window.
// A default-constructed WideText is empty. Move-only.
class WideText {
public:
    WideText() = default;
    // Room for `length` characters and the terminator, all zero; fatal on lack of memory.
    explicit WideText(std::size_t length) : chars_(length + 1) {}

    // The characters, or L"" when empty: always safe to hand to a system call.
    const wchar_t* Str() const { return chars_.Size() ? chars_.Data() : L""; }
    wchar_t* MutableChars() { return chars_.Data(); }
    // Characters before the first NUL.
    std::size_t Length() const { return chars_.Size() ? std::wcslen(chars_.Data()) : 0; }
    bool Empty() const { return chars_.Size() == 0 || chars_[0] == L'\0'; }

private:
    Array<wchar_t> chars_;
};

// Allocates a Text of `size` bytes plus the terminator (all zero); fatal on lack of memory.
Text AllocateText(std::size_t size);
// Writable access to the bytes of a Text made by AllocateText.
char* MutableBytes(Text& text);

// Joins texts with no separator; null counts as empty. Never null: joining only empty texts
// gives an allocated empty text.
Text ConcatText(const char* a, const char* b);
Text ConcatText(const char* a, const char* b, const char* c);
// Byte-wise comparison as unsigned values: -1, 0 or 1. Null counts as "".
int CompareText(const char* a, const char* b);
// The decimal digits of a count.
Text DecimalText(std::size_t value);
// The first / last min(n, length) bytes; null when n <= 0 or the result is empty.
Text LeftText(const char* t, int n);
Text RightText(const char* t, int n);

}  // namespace host
