// Placeholder until the decoders are wired in: every picture is empty, so controls show their
// back colour.
#include "gui/picture.h"

namespace gui {

Picture DecodePicture(const unsigned char*, std::size_t, COLORREF) { return Picture(); }

void FreePicture(Picture& picture) {
    if (picture.bitmap) DeleteObject(picture.bitmap);
    picture = Picture();
}

void DrawPicture(HDC, const Picture&, const RECT&, PictureMode) {}

}  // namespace gui
