#include "real_input.h"

#include "gui/runtime.h"

namespace guitest {

namespace {
void SendMouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}
}  // namespace

POINT ScreenPoint(HWND hwnd, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

POINT CentreOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void MoveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    RunEventsFor(30);
}

void PressLeft(POINT screen) {
    MoveTo(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    RunEventsFor(50);
}

void ReleaseLeft(POINT screen) {
    MoveTo(screen);
    SendMouse(MOUSEEVENTF_LEFTUP);
    RunEventsFor(50);
}

void ClickAt(POINT screen) {
    PressLeft(screen);
    ReleaseLeft(screen);
}

void TapKey(WORD virtualKey) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = virtualKey;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    RunEventsFor(80);
}

void RunEventsFor(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        gui::ProcessPendingEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
    gui::ProcessPendingEvents();
}

void WaitOutDoubleClick() {
    RunEventsFor(GetDoubleClickTime() + 100);
}

}  // namespace guitest
