// Decoding of the embedded PNG and JPEG pictures into opaque 32-bit DIB sections, and their
// painting by picture mode.
#include "gui/picture.h"

#include "gui/picture_decode.h"

namespace gui {

namespace {

// Largest side accepted from a picture header; the wizard's pictures are a few hundred pixels,
// and this keeps a corrupt header from asking for gigabytes.
constexpr unsigned kMaxSide = 8192;

bool LooksLikePng(const unsigned char* bytes, std::size_t size) {
    return size >= 4 && bytes[0] == 0x89 && bytes[1] == 0x50 && bytes[2] == 0x4E && bytes[3] == 0x47;
}

bool LooksLikeJpeg(const unsigned char* bytes, std::size_t size) {
    return size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8;
}

// A pixel of alpha 255 keeps its colour; any other is mixed with the back colour in double
// precision and truncated.
unsigned char Blend(unsigned char value, unsigned char back, double share) {
    double mixed = share * value + (1.0 - share) * back;
    if (mixed <= 0.0)
        return 0;
    if (mixed >= 255.0)
        return 255;
    return static_cast<unsigned char>(mixed);
}

// The decoders' target: a 32-bit top-down DIB section of the picture's size, created when the
// decoder asks for it. It is deleted again unless Take hands it on.
class DibTarget final : public PixelTarget {
public:
    DibTarget() = default;
    DibTarget(const DibTarget&) = delete;
    DibTarget& operator=(const DibTarget&) = delete;
    ~DibTarget() {
        if (bitmap_)
            DeleteObject(bitmap_);
    }

    unsigned char* Rows(unsigned width, unsigned height) override {
        if (bitmap_ || width == 0 || height == 0)
            return nullptr;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = static_cast<LONG>(width);
        info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap_ || !bits) {
            if (bitmap_)
                DeleteObject(bitmap_);
            bitmap_ = nullptr;
            return nullptr;
        }
        bits_ = static_cast<unsigned char*>(bits);
        width_ = width;
        height_ = height;
        return bits_;
    }

    // Turns the decoded red, green, blue, alpha into the DIB's blue, green, red and a zero byte,
    // in place, blending pixels that are not fully opaque over `back`; then hands the bitmap on.
    Picture Take(COLORREF back) {
        Picture picture;
        if (!bitmap_)
            return picture;
        const unsigned char backRed = GetRValue(back), backGreen = GetGValue(back), backBlue = GetBValue(back);
        const std::size_t count = static_cast<std::size_t>(width_) * height_;
        unsigned char* pixel = bits_;
        for (std::size_t i = 0; i < count; ++i, pixel += 4) {
            unsigned char red = pixel[0], green = pixel[1], blue = pixel[2];
            const unsigned char alpha = pixel[3];
            if (alpha != 255) {
                const double share = alpha / 255.0;
                red = Blend(red, backRed, share);
                green = Blend(green, backGreen, share);
                blue = Blend(blue, backBlue, share);
            }
            pixel[0] = blue;
            pixel[1] = green;
            pixel[2] = red;
            pixel[3] = 0;
        }
        GdiFlush();
        picture.bitmap = bitmap_;
        picture.width = static_cast<int>(width_);
        picture.height = static_cast<int>(height_);
        bitmap_ = nullptr;
        return picture;
    }

private:
    HBITMAP bitmap_ = nullptr;
    unsigned char* bits_ = nullptr;
    unsigned width_ = 0;
    unsigned height_ = 0;
};

}  // namespace

Picture DecodePicture(const unsigned char* bytes, std::size_t size, COLORREF back) {
    if (!bytes)
        return Picture();
    DibTarget target;
    bool decoded = false;
    if (LooksLikePng(bytes, size)) {
        decoded = DecodePng(bytes, size, kMaxSide, target);
    } else if (LooksLikeJpeg(bytes, size)) {
        decoded = DecodeJpeg(bytes, size, kMaxSide, target);
    }
    return decoded ? target.Take(back) : Picture();
}

void FreePicture(Picture& picture) {
    if (picture.bitmap)
        DeleteObject(picture.bitmap);
    picture = Picture();
}

void DrawPicture(HDC dc, const Picture& picture, const RECT& rect, PictureMode mode) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!picture.bitmap || picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0)
        return;
    HDC source = CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ previous = SelectObject(source, picture.bitmap);
    switch (mode) {
        case PictureMode::Normal:
            BitBlt(dc, rect.left, rect.top, picture.width < width ? picture.width : width,
                   picture.height < height ? picture.height : height, source, 0, 0, SRCCOPY);
            break;
        case PictureMode::Stretched: {
            const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, rect.left, rect.top, width, height, source, 0, 0, picture.width, picture.height, SRCCOPY);
            SetStretchBltMode(dc, oldMode);
            break;
        }
        case PictureMode::Tiled:
            // Tiles at the right and bottom edges are cut to the rectangle.
            for (int y = rect.top; y < rect.bottom; y += picture.height) {
                const int tileHeight = rect.bottom - y < picture.height ? rect.bottom - y : picture.height;
                for (int x = rect.left; x < rect.right; x += picture.width) {
                    const int tileWidth = rect.right - x < picture.width ? rect.right - x : picture.width;
                    BitBlt(dc, x, y, tileWidth, tileHeight, source, 0, 0, SRCCOPY);
                }
            }
            break;
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace gui
