// Pictures: encoded PNG/JPEG bytes decoded once per control build, made opaque against the
// control's back colour, kept as a DIB and painted by picture mode.
#pragma once

#include <windows.h>

#include <cstddef>

namespace gui {

enum class PictureMode { Normal, Stretched, Tiled };

// A decoded picture: a 32-bit top-down DIB section, or no bitmap when there is no picture.
struct Picture {
    HBITMAP bitmap = nullptr;
    int width = 0;
    int height = 0;
};

// Recognises the format from the first bytes only (89 50 4E 47: PNG, FF D8: JPEG). PNG pixels that
// are not fully opaque are blended over `back` (truncating); JPEG is copied opaque. Anything else,
// or bytes that fail to decode, gives a Picture without bitmap.
Picture DecodePicture(const unsigned char* bytes, std::size_t size, COLORREF back);
void FreePicture(Picture& picture);
// Paints the picture into `rect` by mode; the caller has already painted the back colour.
void DrawPicture(HDC dc, const Picture& picture, const RECT& rect, PictureMode mode);

}  // namespace gui
