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

Picture ToBitmap(const DecodedPixels& pixels, COLORREF back) {
    Picture picture;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(pixels.width);
    info.bmiHeader.biHeight = -static_cast<LONG>(pixels.height);  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap)
            DeleteObject(bitmap);
        return picture;
    }
    const unsigned char backRed = GetRValue(back), backGreen = GetGValue(back), backBlue = GetBValue(back);
    const std::size_t count = static_cast<std::size_t>(pixels.width) * pixels.height;
    const unsigned char* source = pixels.rgba.Data();
    unsigned char* target = static_cast<unsigned char*>(bits);
    for (std::size_t i = 0; i < count; ++i, source += 4, target += 4) {
        unsigned char red = source[0], green = source[1], blue = source[2];
        const unsigned char alpha = source[3];
        if (alpha != 255) {
            const double share = alpha / 255.0;
            red = Blend(red, backRed, share);
            green = Blend(green, backGreen, share);
            blue = Blend(blue, backBlue, share);
        }
        target[0] = blue;
        target[1] = green;
        target[2] = red;
        target[3] = 0;
    }
    GdiFlush();
    picture.bitmap = bitmap;
    picture.width = static_cast<int>(pixels.width);
    picture.height = static_cast<int>(pixels.height);
    return picture;
}

}  // namespace

Picture DecodePicture(const unsigned char* bytes, std::size_t size, COLORREF back) {
    if (!bytes)
        return Picture();
    DecodedPixels pixels;
    bool decoded = false;
    if (LooksLikePng(bytes, size)) {
        decoded = DecodePng(bytes, size, kMaxSide, pixels);
    } else if (LooksLikeJpeg(bytes, size)) {
        decoded = DecodeJpeg(bytes, size, kMaxSide, pixels);
    }
    if (!decoded || pixels.width == 0 || pixels.height == 0)
        return Picture();
    return ToBitmap(pixels, back);
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
