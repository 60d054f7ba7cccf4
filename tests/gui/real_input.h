// Real mouse and keyboard input for the GUI tests: SendInput at screen positions, so the system
// decides which window receives each press, as it does for a person.
#pragma once

#include <windows.h>

namespace guitest {

// The screen position of a point in a window's client area.
POINT ScreenPoint(HWND hwnd, int x, int y);
// The centre of a window, on the screen.
POINT CentreOf(HWND hwnd);

void MoveTo(POINT screen);
void PressLeft(POINT screen);
void ReleaseLeft(POINT screen);
void ClickAt(POINT screen);
void TapKey(WORD virtualKey);

// Runs the layer's pending events (as the event loop would) for the given time.
void RunEventsFor(DWORD ms);
// Waits long enough that the next click at the same place is not a double click.
void WaitOutDoubleClick();

}  // namespace guitest
