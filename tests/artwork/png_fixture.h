// Small PNG files built in memory for decoder tests: any colour type and depth, with optional
// palette and transparency chunks, interlaced or not, and helpers to read back a decoded picture's pixels.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gui/picture.h"

namespace fixture {

using Bytes = std::vector<unsigned char>;

struct PngLayout {
    unsigned width;
    unsigned height;
    int bitDepth;
    int colourType;      // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    Bytes pixelRows;     // packed row data without the filter bytes, rows top-down; may be short
    Bytes palette;       // PLTE contents (RGB triples), or empty
    Bytes transparency;  // tRNS contents, or empty
};

// A complete PNG file: signature, IHDR, PLTE, tRNS, one IDAT (filter 0 on every row), IEND.
Bytes MakePng(const PngLayout& layout);
// A PNG of 8-bit RGBA pixels given as 0xRRGGBBAA values, row by row.
Bytes MakeRgbaPng(unsigned width, unsigned height, const std::vector<unsigned>& pixels);
// The same pixels stored interlaced, in the seven passes of Adam7.
Bytes MakeInterlacedRgbaPng(unsigned width, unsigned height, const std::vector<unsigned>& pixels);
// One chunk as it stands in a file: length, type, data and checksum.
Bytes Chunk(const char* type, const Bytes& data);

gui::Picture Decode(const Bytes& bytes, COLORREF back);
// The colour of one pixel of a decoded picture (its DIB section's bits).
COLORREF PixelAt(const gui::Picture& picture, int x, int y);
std::string Describe(COLORREF colour);

}  // namespace fixture
