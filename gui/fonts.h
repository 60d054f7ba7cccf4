// The two fonts of the pages, made once and shared by every control.
#pragma once

#include <windows.h>

#include "pages/definitions.h"

namespace gui {

HFONT FontFor(pages::Font font);
void ReleaseFonts();

}  // namespace gui
