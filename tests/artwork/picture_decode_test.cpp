// Decoding of PNG and JPEG bytes: opaque compositing against the back colour, every PNG pixel
// layout, and refusal of anything that is not a whole, sound picture.
#include <gtest/gtest.h>

#include "gui/picture.h"
#include "png_fixture.h"

using namespace fixture;

namespace {

const COLORREF kPageBlue = RGB(106, 186, 223);

struct BlendCase {
    const char* what;
    unsigned rgba;  // 0xRRGGBBAA
    COLORREF back;
    COLORREF expected;
};

TEST(ArtworkDecode, PngPixelsAreMadeOpaqueAgainstTheBackColourByTruncation) {
    const BlendCase cases[] = {
        // 127/255 of white over the page colour is (180.2, 220.4, 238.9): truncated, not rounded.
        {"white, alpha 127, over page blue", 0xFFFFFF7F, kPageBlue, RGB(180, 220, 238)},
        {"white, alpha 0, over page blue", 0xFFFFFF00, kPageBlue, kPageBlue},
        {"any colour, alpha 0, over black", 0x12345600, RGB(0, 0, 0), RGB(0, 0, 0)},
        {"alpha 255 keeps the colour", 0x0A141EFF, kPageBlue, RGB(10, 20, 30)},
        // (164.4, 113.1, 135.5).
        {"red, alpha 100, over page blue", 0xFF000064, kPageBlue, RGB(164, 113, 135)},
    };
    for (const BlendCase& c : cases) {
        gui::Picture picture = Decode(MakeRgbaPng(1, 1, {c.rgba}), c.back);
        ASSERT_NE(picture.bitmap, nullptr) << c.what;
        EXPECT_EQ(Describe(PixelAt(picture, 0, 0)), Describe(c.expected)) << c.what;
        gui::FreePicture(picture);
        EXPECT_EQ(picture.bitmap, nullptr);
    }
}

TEST(ArtworkDecode, PictureIsATopDown32BitDibOfThePicturesSize) {
    gui::Picture picture = Decode(MakeRgbaPng(3, 2,
                                              {0xFF0000FF, 0x00FF00FF, 0x0000FFFF,  //
                                               0x000000FF, 0xFFFFFFFF, 0x808080FF}),
                                  kPageBlue);
    ASSERT_NE(picture.bitmap, nullptr);
    EXPECT_EQ(picture.width, 3);
    EXPECT_EQ(picture.height, 2);
    DIBSECTION section = {};
    ASSERT_EQ(GetObject(picture.bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBmih.biBitCount, 32);
    EXPECT_EQ(section.dsBmih.biWidth, 3);
    EXPECT_EQ(section.dsBm.bmHeight, 2);
    // PixelAt reads the first row of the bits as the top one, so these pin the row order too.
    EXPECT_EQ(PixelAt(picture, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(picture, 2, 0), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(picture, 1, 1), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(picture, 2, 1), RGB(128, 128, 128));
    gui::FreePicture(picture);
}

struct LayoutCase {
    const char* what;
    PngLayout layout;
    COLORREF first, second;  // expected colours of the two pixels over black
};

TEST(ArtworkDecode, EveryPngPixelLayoutComesOutAsOpaqueColour) {
    const LayoutCase cases[] = {
        {"8-bit grey", {2, 1, 8, 0, {0x00, 0xC8}, {}, {}}, RGB(0, 0, 0), RGB(200, 200, 200)},
        {"1-bit grey", {2, 1, 1, 0, {0x40}, {}, {}}, RGB(0, 0, 0), RGB(255, 255, 255)},
        {"grey with alpha", {2, 1, 8, 4, {0xFF, 0xFF, 0xFF, 0x33}, {}, {}}, RGB(255, 255, 255), RGB(51, 51, 51)},
        {"8-bit RGB", {2, 1, 8, 2, {1, 2, 3, 250, 251, 252}, {}, {}}, RGB(1, 2, 3), RGB(250, 251, 252)},
        {"16-bit RGB keeps the high bytes",
         {2, 1, 16, 2, {0x12, 0x00, 0x34, 0x00, 0x56, 0x00, 0xAB, 0x00, 0xCD, 0x00, 0xEF, 0x00}, {}, {}},
         RGB(0x12, 0x34, 0x56),
         RGB(0xAB, 0xCD, 0xEF)},
        {"grey with a colour key", {2, 1, 8, 0, {0x10, 0x20}, {}, {0x00, 0x10}}, RGB(0, 0, 0), RGB(32, 32, 32)},
        {"palette with transparency",
         {2, 1, 8, 3, {0, 1}, {200, 10, 20, 30, 40, 50}, {0x00}},  // entry 0 transparent
         RGB(0, 0, 0),
         RGB(30, 40, 50)},
        {"4-bit palette", {2, 1, 4, 3, {0x10}, {200, 10, 20, 30, 40, 50}, {}}, RGB(30, 40, 50), RGB(200, 10, 20)},
    };
    for (const LayoutCase& c : cases) {
        gui::Picture picture = Decode(MakePng(c.layout), RGB(0, 0, 0));
        ASSERT_NE(picture.bitmap, nullptr) << c.what;
        EXPECT_EQ(picture.width, 2) << c.what;
        EXPECT_EQ(Describe(PixelAt(picture, 0, 0)), Describe(c.first)) << c.what;
        EXPECT_EQ(Describe(PixelAt(picture, 1, 0)), Describe(c.second)) << c.what;
        gui::FreePicture(picture);
    }
}

TEST(ArtworkDecode, InterlacedPngComesOutInRowOrder) {
    // 5 x 5 pixels reach into all seven passes.
    std::vector<unsigned> pixels;
    for (unsigned y = 0; y < 5; ++y) {
        for (unsigned x = 0; x < 5; ++x)
            pixels.push_back((x * 50) << 24 | (y * 50) << 16 | 7 << 8 | 0xFF);
    }
    gui::Picture picture = Decode(MakeInterlacedRgbaPng(5, 5, pixels), kPageBlue);
    ASSERT_NE(picture.bitmap, nullptr);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Describe(PixelAt(picture, x, y)), Describe(RGB(x * 50, y * 50, 7))) << x << ", " << y;
    }
    gui::FreePicture(picture);
}

struct ChunkCase {
    const char* what;
    Bytes chunk;
    bool beforeImage;  // placed after IHDR, else before IEND
    bool decodes;
};

Bytes WithBadChecksum(Bytes chunk) {
    chunk.back() ^= 0x01;
    return chunk;
}

TEST(ArtworkDecode, ChunksThePictureDoesNotNeedAreSkippedOnlyWhenSound) {
    const Bytes text = Chunk("tEXt", {'T', 'i', 't', 'l', 'e', 0, 'x'});
    const Bytes gamma = Chunk("gAMA", {0x00, 0x00, 0xB1, 0x8F});
    const ChunkCase cases[] = {
        {"text", text, true, true},
        {"gamma", gamma, true, true},
        {"a private chunk", Chunk("prVt", {1, 2, 3}), true, true},
        {"text after the image", text, false, true},
        {"text with a bad checksum", WithBadChecksum(text), true, false},
        {"gamma with a bad checksum", WithBadChecksum(gamma), true, false},
        {"text after the image with a bad checksum", WithBadChecksum(text), false, false},
        {"an unknown critical chunk", Chunk("CRIT", {1}), true, false},
    };
    const Bytes plain = MakeRgbaPng(1, 1, {0x102030FF});
    const std::size_t afterHeader = 8 + 25, beforeEnd = plain.size() - 12;
    for (const ChunkCase& c : cases) {
        Bytes bytes = plain;
        bytes.insert(bytes.begin() + (c.beforeImage ? afterHeader : beforeEnd), c.chunk.begin(), c.chunk.end());
        gui::Picture picture = Decode(bytes, kPageBlue);
        EXPECT_EQ(picture.bitmap != nullptr, c.decodes) << c.what;
        if (c.decodes) {
            EXPECT_EQ(Describe(PixelAt(picture, 0, 0)), Describe(RGB(0x10, 0x20, 0x30))) << c.what;
        }
        gui::FreePicture(picture);
    }
}

TEST(ArtworkDecode, OnlyTheFirstBytesTellTheFormat) {
    const Bytes png = MakeRgbaPng(1, 1, {0x102030FF});
    const Bytes wrongSignature = [&png] {
        Bytes bytes = png;
        bytes[1] = 'Q';
        return bytes;
    }();
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
    const Bytes bmp = {'B', 'M', 0, 0, 0, 0};
    const Bytes textBytes = {'h', 'e', 'l', 'l', 'o'};
    const Bytes loneJpegStart = {0xFF};
    const Bytes pngHead = {0x89, 'P', 'N'};
    for (const Bytes* bytes : {&wrongSignature, &gif, &bmp, &textBytes, &loneJpegStart, &pngHead}) {
        gui::Picture picture = Decode(*bytes, kPageBlue);
        EXPECT_EQ(picture.bitmap, nullptr) << "bytes of length " << bytes->size();
        EXPECT_EQ(picture.width, 0);
    }
    EXPECT_EQ(gui::DecodePicture(nullptr, 0, kPageBlue).bitmap, nullptr);
    EXPECT_EQ(gui::DecodePicture(png.data(), 0, kPageBlue).bitmap, nullptr);
    gui::Picture picture = Decode(png, kPageBlue);
    EXPECT_NE(picture.bitmap, nullptr);
    gui::FreePicture(picture);
}

TEST(ArtworkDecode, DamagedPngGivesNoPicture) {
    const Bytes good = MakeRgbaPng(2, 2, {0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0xFFFFFF80});
    // Every truncation, including the one that only loses the end chunk.
    for (std::size_t length = 0; length < good.size(); ++length) {
        const Bytes cut(good.begin(), good.begin() + length);
        gui::Picture picture = Decode(cut, kPageBlue);
        EXPECT_EQ(picture.bitmap, nullptr) << "cut to " << length << " of " << good.size();
        gui::FreePicture(picture);
    }
    // One changed byte in the image data breaks its checksum.
    Bytes flipped = good;
    flipped[good.size() - 12 - 6] ^= 0x01;
    EXPECT_EQ(Decode(flipped, kPageBlue).bitmap, nullptr);
    // A header that claims a picture of 100000 x 100000 pixels.
    EXPECT_EQ(Decode(MakePng({100000, 100000, 8, 6, {}, {}, {}}), kPageBlue).bitmap, nullptr);
    // Image data of two rows where the header asks for four.
    EXPECT_EQ(Decode(MakePng({2, 4, 8, 6, Bytes(2 * 2 * 4, 0x7F), {}, {}}), kPageBlue).bitmap, nullptr);
}

}  // namespace
