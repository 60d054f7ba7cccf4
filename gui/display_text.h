// The one conversion point between the wizard's code page 936 bytes and the UTF-16 that every
// displayed text goes through, so Chinese texts show correctly whatever the system code page.
#pragma once

#include <windows.h>

#include "host/text.h"

namespace gui {

// Code page 936 bytes (null counts as empty) as UTF-16.
host::WideText DisplayText(const char* cp936);
// UTF-16 as a new code page 936 Text; null when empty.
host::Text WizardText(const wchar_t* utf16);
// A window's text as UTF-16; empty when it has none.
host::WideText WindowText(HWND hwnd);

}  // namespace gui
