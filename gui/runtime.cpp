// Opening and closing pages: LoadPage builds a page from its definition, DestroyPage asks for its
// destruction, and the last page to go ends the event loop.
#include "gui/runtime.h"

#include "gui/controls.h"
#include "gui/display_text.h"
#include "gui/event_loop.h"
#include "gui/layer.h"
#include "gui/open_pages.h"
#include "gui/window_classes.h"
#include "host/fatal.h"

namespace gui {

namespace {

// Set while LoadPage destroys a page marked for destruction in order to build it again at once:
// that destruction must not end the program, as the page is about to be open again.
bool g_rebuilding = false;

HWND CreatePageWindow(OpenPage& page) {
    const pages::PageDefinition& def = *page.def;
    // Centred on the primary screen; the signed division truncates toward zero.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - def.width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - def.height) / 2;
    const host::WideText caption = DisplayText(def.text);
    // A popup without border, caption or system menu; unowned, so it has its own task-bar button.
    return CreateWindowExW(WS_EX_APPWINDOW, kPageClass, caption.Str(), WS_POPUP | WS_CLIPCHILDREN, x, y, def.width,
                           def.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void DestroyNow(HWND hwnd) {
    g_rebuilding = true;
    DestroyWindow(hwnd);
    g_rebuilding = false;
}

}  // namespace

bool LoadPage(Page page) {
    const pages::PageDefinition* def = DefinitionOf(page);
    if (!def || !RegisterWindowClasses())
        return false;

    if (OpenPage* open = FindOpenPage(page)) {
        if (!open->destroyRequested) {
            if (IsIconic(open->hwnd)) {
                ShowWindow(open->hwnd, SW_RESTORE);
            } else {
                SetForegroundWindow(open->hwnd);
                SetActiveWindow(open->hwnd);
            }
            return true;
        }
        DestroyNow(open->hwnd);
    }

    OpenPage* open = AddOpenPage(page, def);
    open->backBrush = CreateSolidBrush(EffectiveColour(def->backColour));
    if (def->background && def->background->data) {
        open->background =
            DecodePicture(def->background->data, def->background->size, EffectiveColour(def->backColour));
    }
    open->hwnd = CreatePageWindow(*open);
    if (!open->hwnd) {
        ReleasePageResources(*open);
        ForgetPage(open);
        return false;
    }
    const HWND hwnd = open->hwnd;
    for (std::size_t i = 0; i < def->controlCount; ++i) {
        if (!BuildControl(*open, def->controls[i])) {
            DestroyNow(hwnd);
            return false;
        }
    }
    for (const ControlState& control : open->controls) {
        if (control.def->visible && control.def->kind != pages::ControlKind::Timer) {
            ShowWindow(control.hwnd, SW_SHOWNA);
        }
    }

    if (def->created)
        def->created();
    // The Created handler may have closed the page; it is then not shown.
    if (!IsWindow(hwnd))
        return true;

    if (def->visible) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
        SetForegroundWindow(hwnd);
    }
    return true;
}

void DestroyPage(Page page) {
    OpenPage* open = FindOpenPage(page);
    if (!open)
        host::FatalError("指定窗口或窗口组件不存在或尚未载入");
    open->destroyRequested = true;
    PostMessageW(open->hwnd, kDestroyRequest, 0, 0);
}

void OnPageWindowGone(HWND hwnd) {
    OpenPage* page = PageOfWindow(hwnd);
    if (!page)
        return;
    ReleasePageResources(*page);
    ForgetPage(page);
    if (!AnyPageOpen() && !g_rebuilding && EventLoopRunning())
        PostQuitMessage(0);
}

void OnTimerExpired(HWND hwnd) {
    const ControlState* control = ControlOfWindow(hwnd);
    if (control && control->timerPeriod > 0 && control->def->timerTick)
        control->def->timerTick();
}

HWND PageWindow(Page page) {
    const OpenPage* open = FindOpenPage(page);
    return open ? open->hwnd : nullptr;
}

HWND ControlWindow(Page page, const char* control) {
    const OpenPage* open = FindOpenPage(page);
    if (!open || !control)
        return nullptr;
    const int index = ControlIndex(*open->def, control);
    return index >= 0 && static_cast<std::size_t>(index) < open->controls.Size() ? open->controls[index].hwnd : nullptr;
}

}  // namespace gui
