#include "png_fixture.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>

namespace fixture {

namespace {

void PutBigEndian(Bytes& out, unsigned long value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBigEndian(out, data.size());
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian(out, crc32(0, typed.data(), static_cast<uInt>(typed.size())));
}

unsigned BitsPerPixel(const PngLayout& layout) {
    const unsigned channels[] = {1, 0, 3, 1, 2, 0, 4};
    return channels[layout.colourType] * layout.bitDepth;
}

// Signature, IHDR, PLTE, tRNS, one IDAT holding the given filtered rows, IEND.
Bytes Assemble(const PngLayout& layout, unsigned char interlace, const Bytes& filtered) {
    Bytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    PutBigEndian(header, layout.width);
    PutBigEndian(header, layout.height);
    header.push_back(static_cast<unsigned char>(layout.bitDepth));
    header.push_back(static_cast<unsigned char>(layout.colourType));
    header.insert(header.end(), {0, 0, interlace});  // deflate, adaptive filtering
    PutChunk(out, "IHDR", header);
    if (!layout.palette.empty())
        PutChunk(out, "PLTE", layout.palette);
    if (!layout.transparency.empty())
        PutChunk(out, "tRNS", layout.transparency);

    uLongf packedSize = compressBound(static_cast<uLong>(filtered.size()));
    Bytes packed(packedSize);
    compress(packed.data(), &packedSize, filtered.data(), static_cast<uLong>(filtered.size()));
    packed.resize(packedSize);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

PngLayout RgbaLayout(unsigned width, unsigned height, const std::vector<unsigned>& pixels) {
    PngLayout layout = {width, height, 8, 6, {}, {}, {}};
    for (unsigned value : pixels) {
        for (int shift = 24; shift >= 0; shift -= 8)
            layout.pixelRows.push_back(static_cast<unsigned char>(value >> shift));
    }
    return layout;
}

}  // namespace

Bytes Chunk(const char* type, const Bytes& data) {
    Bytes out;
    PutChunk(out, type, data);
    return out;
}

Bytes MakePng(const PngLayout& layout) {
    const std::size_t rowBytes = (layout.width * BitsPerPixel(layout) + 7) / 8;
    Bytes filtered;
    // Rows missing from pixelRows are left out, which makes data shorter than the header says.
    const std::size_t rows = rowBytes ? std::min<std::size_t>(layout.height, layout.pixelRows.size() / rowBytes) : 0;
    for (std::size_t y = 0; y < rows; ++y) {
        filtered.push_back(0);
        auto row = layout.pixelRows.begin() + y * rowBytes;
        filtered.insert(filtered.end(), row, row + rowBytes);
    }
    return Assemble(layout, 0, filtered);
}

Bytes MakeInterlacedRgbaPng(unsigned width, unsigned height, const std::vector<unsigned>& pixels) {
    const PngLayout layout = RgbaLayout(width, height, pixels);
    // The seven passes: first column and row, and the steps between the pixels each one holds.
    const unsigned startX[7] = {0, 4, 0, 2, 0, 1, 0}, startY[7] = {0, 0, 4, 0, 2, 0, 1};
    const unsigned stepX[7] = {8, 8, 4, 4, 2, 2, 1}, stepY[7] = {8, 8, 8, 4, 4, 2, 2};
    Bytes filtered;
    for (int pass = 0; pass < 7; ++pass) {
        if (startX[pass] >= width)
            continue;  // a pass without columns has no rows either
        for (unsigned y = startY[pass]; y < height; y += stepY[pass]) {
            filtered.push_back(0);
            for (unsigned x = startX[pass]; x < width; x += stepX[pass]) {
                auto pixel = layout.pixelRows.begin() + (static_cast<std::size_t>(y) * width + x) * 4;
                filtered.insert(filtered.end(), pixel, pixel + 4);
            }
        }
    }
    return Assemble(layout, 1, filtered);
}

Bytes MakeRgbaPng(unsigned width, unsigned height, const std::vector<unsigned>& pixels) {
    return MakePng(RgbaLayout(width, height, pixels));
}

gui::Picture Decode(const Bytes& bytes, COLORREF back) {
    return gui::DecodePicture(bytes.data(), bytes.size(), back);
}

COLORREF PixelAt(const gui::Picture& picture, int x, int y) {
    DIBSECTION section = {};
    if (!picture.bitmap || GetObject(picture.bitmap, sizeof(section), &section) != sizeof(section))
        return CLR_INVALID;
    const unsigned char* bits = static_cast<const unsigned char*>(section.dsBm.bmBits);
    const unsigned char* pixel = bits + y * section.dsBm.bmWidthBytes + x * 4;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

std::string Describe(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof(text), "(%d, %d, %d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

}  // namespace fixture
