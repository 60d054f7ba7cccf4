// Decoders behind DecodePicture: complete PNG or JPEG files in memory to 8-bit RGBA rows.
#pragma once

#include <cstddef>

#include "host/memory.h"

namespace gui {

// Top-down rows of red, green, blue, alpha; width * height * 4 bytes.
struct DecodedPixels {
    unsigned width = 0;
    unsigned height = 0;
    host::Array<unsigned char> rgba;
};

// Each returns false, with `pixels` left unspecified, for data that is truncated or corrupt (a
// warning of the decoder counts as corrupt), for a side longer than maxSide and when memory runs
// out. Nothing is printed.
bool DecodePng(const unsigned char* bytes, std::size_t size, unsigned maxSide, DecodedPixels& pixels);
// JPEG pixels come out opaque (alpha 255); grey pictures are widened to RGB.
bool DecodeJpeg(const unsigned char* bytes, std::size_t size, unsigned maxSide, DecodedPixels& pixels);

}  // namespace gui
