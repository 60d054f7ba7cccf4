#include "host/text.h"

#include <windows.h>

#include <cstring>
#include <initializer_list>

#include "host/memory.h"

namespace host {

Text AllocateText(std::size_t size) {
    // One byte more for the terminator; a size that leaves no room for it cannot be served.
    std::size_t bytes = size + 1;
    if (bytes == 0)
        OutOfMemory(size);
    return Text(static_cast<char*>(AllocateBlock(bytes, 1)));
}

char* MutableBytes(Text& text) {
    return const_cast<char*>(text.Get());
}

Text Text::Copy(const char* bytes, std::size_t size) {
    Text text = AllocateText(size);
    if (size)
        std::memcpy(MutableBytes(text), bytes, size);
    return text;
}

Text Text::Copy(const char* s) {
    if (!s)
        return Text();
    return Copy(s, std::strlen(s));
}

Text::~Text() {
    ReleaseBlock(data_);
}

Text::Text(Text&& other) noexcept : data_(other.data_) {
    other.data_ = nullptr;
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        ReleaseBlock(data_);
        data_ = other.data_;
        other.data_ = nullptr;
    }
    return *this;
}

std::size_t Text::Size() const {
    return data_ ? std::strlen(data_) : 0;
}

namespace {

std::size_t Length(const char* s) {
    return s ? std::strlen(s) : 0;
}

Text Join(std::initializer_list<const char*> parts) {
    std::size_t total = 0;
    for (const char* part : parts)
        total += Length(part);
    Text joined = AllocateText(total);
    char* out = MutableBytes(joined);
    for (const char* part : parts) {
        std::size_t n = Length(part);
        if (n)
            std::memcpy(out, part, n);
        out += n;
    }
    return joined;
}

}  // namespace

Text ConcatText(const char* a, const char* b) {
    return Join({a, b});
}

Text ConcatText(const char* a, const char* b, const char* c) {
    return Join({a, b, c});
}

Text DecimalText(std::size_t value) {
    char digits[24];
    return Text::Copy(DecimalDigits(value, digits));
}

int CompareText(const char* a, const char* b) {
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a ? a : "");
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b ? b : "");
    while (*x && *x == *y) {
        ++x;
        ++y;
    }
    if (*x == *y)
        return 0;
    return *x < *y ? -1 : 1;
}

Text LeftText(const char* t, int n) {
    if (n <= 0)
        return Text();
    std::size_t count = Length(t);
    if (static_cast<std::size_t>(n) < count)
        count = static_cast<std::size_t>(n);
    if (count == 0)
        return Text();
    return Text::Copy(t, count);
}

Text RightText(const char* t, int n) {
    if (n <= 0)
        return Text();
    std::size_t length = Length(t);
    std::size_t count = length;
    if (static_cast<std::size_t>(n) < count)
        count = static_cast<std::size_t>(n);
    if (count == 0)
        return Text();
    return Text::Copy(t + (length - count), count);
}

}  // namespace host
