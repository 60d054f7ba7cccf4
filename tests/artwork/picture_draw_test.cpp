// Painting a decoded picture by mode into a real memory DC, read back pixel by pixel.
#include <gtest/gtest.h>

#include <string>

#include "gui/picture.h"
#include "png_fixture.h"

using namespace fixture;

namespace {

const COLORREF kFill = RGB(1, 2, 3);
constexpr int kCanvas = 6;

// A 6 x 6 32-bit DIB selected into a memory DC, filled with kFill.
class Canvas {
public:
    Canvas() {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kCanvas;
        info.bmiHeader.biHeight = -kCanvas;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, kCanvas, kCanvas};
        HBRUSH brush = CreateSolidBrush(kFill);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const unsigned char* pixel = bits_ + (y * kCanvas + x) * 4;
        return RGB(pixel[2], pixel[1], pixel[0]);
    }
    // One letter per pixel: A-D the picture's four colours, '.' the fill, '?' anything else.
    std::string Rows() const {
        std::string text;
        for (int y = 0; y < kCanvas; ++y) {
            for (int x = 0; x < kCanvas; ++x) {
                const COLORREF c = At(x, y);
                text += c == RGB(255, 0, 0)     ? 'A'
                        : c == RGB(0, 255, 0)   ? 'B'
                        : c == RGB(0, 0, 255)   ? 'C'
                        : c == RGB(255, 255, 0) ? 'D'
                        : c == kFill            ? '.'
                                                : '?';
            }
            text += '\n';
        }
        return text;
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    unsigned char* bits_ = nullptr;
};

struct DrawCase {
    const char* what;
    gui::PictureMode mode;
    RECT rect;
    const char* expected;
};

TEST(ArtworkDraw, ModesPlaceThePictureInTheRectangle) {
    // A B
    // C D
    gui::Picture picture = Decode(MakeRgbaPng(2, 2, {0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0xFFFF00FF}), kFill);
    ASSERT_NE(picture.bitmap, nullptr);
    const DrawCase cases[] = {
        {"normal draws the natural size at the top-left",
         gui::PictureMode::Normal,
         {1, 1, 6, 6},
         "......\n.AB...\n.CD...\n......\n......\n......\n"},
        {"normal is cut to a smaller rectangle",
         gui::PictureMode::Normal,
         {3, 2, 4, 3},
         "......\n......\n...A..\n......\n......\n......\n"},
        {"stretched fills the rectangle",
         gui::PictureMode::Stretched,
         {0, 0, 4, 6},
         "AABB..\nAABB..\nAABB..\nCCDD..\nCCDD..\nCCDD..\n"},
        {"tiled repeats rightward and downward, cut at the edges",
         gui::PictureMode::Tiled,
         {1, 0, 6, 5},
         ".ABABA\n.CDCDC\n.ABABA\n.CDCDC\n.ABABA\n......\n"},
        {"an empty rectangle draws nothing",
         gui::PictureMode::Tiled,
         {2, 2, 2, 5},
         "......\n......\n......\n......\n......\n......\n"},
    };
    for (const DrawCase& c : cases) {
        Canvas canvas;
        gui::DrawPicture(canvas.Dc(), picture, c.rect, c.mode);
        EXPECT_EQ(canvas.Rows(), c.expected) << c.what;
    }
    gui::FreePicture(picture);
}

TEST(ArtworkDraw, NoPictureLeavesTheBackColour) {
    Canvas canvas;
    gui::Picture none = Decode({'n', 'o', 'n', 'e'}, kFill);
    for (gui::PictureMode mode : {gui::PictureMode::Normal, gui::PictureMode::Stretched, gui::PictureMode::Tiled}) {
        gui::DrawPicture(canvas.Dc(), none, RECT{0, 0, kCanvas, kCanvas}, mode);
    }
    EXPECT_EQ(canvas.Rows(), "......\n......\n......\n......\n......\n......\n");
}

}  // namespace
