// Every message taken from the queue passes through the page it belongs to before it reaches its
// target window: a left-button press raises the control's LeftButtonDown first, so a check box's
// handler sees the box as it was before the press.
#include "gui/event_loop.h"

#include "gui/layer.h"
#include "gui/open_pages.h"
#include "gui/runtime.h"

namespace gui {

namespace {

bool g_loopRunning = false;
int g_quitCode = 0;

bool IsCheckBox(const ControlState& control) {
    return control.def->kind == pages::ControlKind::CheckBox;
}

void RememberCheckedAtPress(HWND hwnd) {
    ControlState* control = ControlOfWindow(hwnd);
    if (control && IsCheckBox(*control) && control->def->clickChanged) {
        control->checkedAtPress = static_cast<int>(SendMessageW(hwnd, BM_GETCHECK, 0, 0));
    }
}

// Windows delivers no mouse input to a disabled control; a message that reaches one anyway (a
// posted one) raises nothing either.
void BeforeDispatch(const MSG& msg) {
    if (msg.message == WM_LBUTTONDOWN) {
        const ControlState* control = ControlOfWindow(msg.hwnd);
        if (!control || !IsWindowEnabled(msg.hwnd))
            return;
        if (control->def->leftButtonDown)
            control->def->leftButtonDown();
        // The handler may have closed or rebuilt the page: look the control up again. Its state
        // is taken after the handler so that only the click itself counts as a change.
        RememberCheckedAtPress(msg.hwnd);
    } else if (msg.message == WM_LBUTTONDBLCLK) {
        // The second press of a double click toggles a check box as well, without LeftButtonDown.
        RememberCheckedAtPress(msg.hwnd);
    }
}

// The check box toggles when the click is completed, on release inside it; its mouse capture
// brings the release to it also when it happens outside, and then the state is unchanged.
void AfterDispatch(const MSG& msg) {
    if (msg.message != WM_LBUTTONUP)
        return;
    ControlState* control = ControlOfWindow(msg.hwnd);
    if (!control || !IsCheckBox(*control) || control->checkedAtPress < 0)
        return;
    const int before = control->checkedAtPress;
    control->checkedAtPress = -1;
    const int now = static_cast<int>(SendMessageW(msg.hwnd, BM_GETCHECK, 0, 0));
    if (now != before && control->def->clickChanged)
        control->def->clickChanged();
}

}  // namespace

bool EventLoopRunning() {
    return g_loopRunning;
}

void RouteAndDispatch(MSG& msg) {
    BeforeDispatch(msg);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    AfterDispatch(msg);
}

int RunEventLoop() {
    if (!AnyPageOpen())
        return 0;
    g_loopRunning = true;
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1)
            break;
        RouteAndDispatch(msg);
    }
    g_loopRunning = false;
    g_quitCode = got == 0 ? static_cast<int>(msg.wParam) : 0;
    return g_quitCode;
}

int QuitCode() {
    return g_quitCode;
}

void ProcessPendingEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the event loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        RouteAndDispatch(msg);
    }
}

}  // namespace gui
