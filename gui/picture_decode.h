// Decoders behind DecodePicture: complete PNG or JPEG files in memory to 8-bit RGBA rows.
#pragma once

#include <cstddef>

namespace gui {

// Where a decoder puts the pixels. Once the picture's size is known it asks for width * height
// * 4 bytes and fills them with top-down rows of red, green, blue, alpha. Null refuses the
// picture. The decoders write straight into this memory, so a picture is held only once.
class PixelTarget {
public:
    virtual unsigned char* Rows(unsigned width, unsigned height) = 0;

protected:
    ~PixelTarget() = default;
};

// Each returns false, with the target's memory left unspecified, for data that is truncated or
// corrupt (a warning of the decoder counts as corrupt), for a side longer than maxSide and when
// memory runs out. Nothing is printed.
bool DecodePng(const unsigned char* bytes, std::size_t size, unsigned maxSide, PixelTarget& target);
// JPEG pixels come out opaque (alpha 255); grey pictures are widened to RGB.
bool DecodeJpeg(const unsigned char* bytes, std::size_t size, unsigned maxSide, PixelTarget& target);

}  // namespace gui
