// The reader's one window: the list of pieces on the left, the chosen piece on the right.
#pragma once

#include <windows.h>

namespace reader {

// Control ids, which the tests use to find the controls.
constexpr int kPieceListId = 101;
constexpr int kPieceTextId = 102;

// Creates and shows the main window with the first piece chosen; null if the window cannot be made.
HWND CreateReaderWindow(HINSTANCE instance, int showCommand);

}  // namespace reader
