// ByteSet: a counted array of bytes, laid out as one record: int32 dimension count (always 1),
// int32 length, then the bytes, little-endian, with no padding.
#pragma once

#include <cstdint>

namespace host {

struct ByteSet {
    std::int32_t dimensions;
    std::int32_t length;
    // The bytes follow the two header fields directly.
    const unsigned char* Bytes() const { return reinterpret_cast<const unsigned char*>(this) + 8; }
};
static_assert(sizeof(ByteSet) == 8, "ByteSet header is two int32 fields");

}  // namespace host
