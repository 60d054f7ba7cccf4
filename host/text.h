// Text: the wizard's byte strings (code page 936 for its own texts), and the operations on them.
#pragma once

#include <cstddef>

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
// The first / last min(n, length) bytes; null when n <= 0 or the result is empty.
Text LeftText(const char* t, int n);
Text RightText(const char* t, int n);

}  // namespace host
