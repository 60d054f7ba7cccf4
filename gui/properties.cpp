// ReadProperty / WriteProperty: the live state of a page's window and controls.

#include "gui/display_text.h"
#include "gui/open_pages.h"
#include "gui/runtime.h"
#include "gui/window_classes.h"
#include "host/fatal.h"

namespace gui {

namespace {

constexpr int kMaxCoordinate = 32627;

// What a property access addresses: the page or one of its controls, and the page if it is open.
struct Target {
    const pages::PageDefinition* def = nullptr;
    const pages::ControlDefinition* control = nullptr;  // null: the page itself
    OpenPage* open = nullptr;
    ControlState* state = nullptr;
    HWND hwnd = nullptr;  // null while the page is not open
};

bool NeedsOpenPage(Property property) {
    return property == Property::Checked || property == Property::TimerPeriod;
}

Target Resolve(Page page, const char* control, bool needsOpenPage) {
    Target target;
    target.def = DefinitionOf(page);
    if (!target.def)
        host::FatalError("未载入欲访问窗口组件所在的窗口");
    int index = -1;
    if (control && *control) {
        index = ControlIndex(*target.def, control);
        if (index < 0)
            host::FatalError("指定窗口或窗口组件不存在或尚未载入");
        target.control = &target.def->controls[index];
    }
    target.open = FindOpenPage(page);
    if (!target.open && needsOpenPage)
        host::FatalError("指定窗口尚未载入");
    if (target.open) {
        if (index < 0) {
            target.hwnd = target.open->hwnd;
        } else if (static_cast<std::size_t>(index) < target.open->controls.Size()) {
            target.state = &target.open->controls[index];
            target.hwnd = target.state->hwnd;
        }
    }
    return target;
}

bool IsTimer(const Target& t) {
    return t.control && t.control->kind == pages::ControlKind::Timer;
}

bool IsCheckBox(const Target& t) {
    return t.control && t.control->kind == pages::ControlKind::CheckBox;
}

// The window's rectangle in its parent's client area, or on the screen for a page.
RECT PlacedRect(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    if (HWND parent = GetParent(hwnd))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The value a geometry or flag property has when the page is not open: its definition's.
int DefinedValue(const Target& t, Property property) {
    if (!t.control) {
        switch (property) {
            case Property::Width:
                return t.def->width;
            case Property::Height:
                return t.def->height;
            case Property::Visible:
                return t.def->visible ? 1 : 0;
            default:
                return 0;
        }
    }
    switch (property) {
        case Property::Left:
            return t.control->left;
        case Property::Top:
            return t.control->top;
        case Property::Width:
            return t.control->width;
        case Property::Height:
            return t.control->height;
        case Property::Visible:
            return t.control->visible ? 1 : 0;
        case Property::Disabled:
            return t.control->disabled ? 1 : 0;
        default:
            return 0;
    }
}

int ClampPosition(int value) {
    return value < -kMaxCoordinate ? -kMaxCoordinate : (value > kMaxCoordinate ? kMaxCoordinate : value);
}

int ClampSize(int value) {
    return value < 0 ? 0 : (value > kMaxCoordinate ? kMaxCoordinate : value);
}

void Place(HWND hwnd, int left, int top, int width, int height) {
    SetWindowPos(hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WriteTimerPeriod(ControlState& timer, int period) {
    if (period < 0)
        period = 0;
    if (period == timer.timerPeriod)
        return;  // a running timer is not restarted
    timer.timerPeriod = period;
    KillTimer(timer.hwnd, kTimerId);
    if (period > 0)
        SetTimer(timer.hwnd, kTimerId, static_cast<UINT>(period), nullptr);
}

}  // namespace

int ReadProperty(Page page, const char* control, Property property) {
    const Target t = Resolve(page, control, NeedsOpenPage(property));
    if (!t.hwnd)
        return NeedsOpenPage(property) ? 0 : DefinedValue(t, property);
    const RECT rect = PlacedRect(t.hwnd);
    const LONG_PTR style = GetWindowLongPtrW(t.hwnd, GWL_STYLE);
    switch (property) {
        case Property::Left:
            return rect.left;
        case Property::Top:
            return rect.top;
        case Property::Width:
            return rect.right - rect.left;
        case Property::Height:
            return rect.bottom - rect.top;
        case Property::Visible:
            if (IsTimer(t))
                return t.state->timerVisible ? 1 : 0;
            return (style & WS_VISIBLE) ? 1 : 0;
        case Property::Disabled:
            return (style & WS_DISABLED) ? 1 : 0;
        case Property::Checked:
            return IsCheckBox(t) && SendMessageW(t.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        case Property::TimerPeriod:
            return IsTimer(t) ? t.state->timerPeriod : 0;
    }
    return 0;
}

void WriteProperty(Page page, const char* control, Property property, int value) {
    const Target t = Resolve(page, control, NeedsOpenPage(property));
    if (!t.hwnd)
        return;  // nothing is live to change; the next build starts from the definition
    const RECT rect = PlacedRect(t.hwnd);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    switch (property) {
        case Property::Left:
            Place(t.hwnd, ClampPosition(value), rect.top, width, height);
            break;
        case Property::Top:
            Place(t.hwnd, rect.left, ClampPosition(value), width, height);
            break;
        case Property::Width:
            Place(t.hwnd, rect.left, rect.top, ClampSize(value), height);
            break;
        case Property::Height:
            Place(t.hwnd, rect.left, rect.top, width, ClampSize(value));
            break;
        case Property::Visible:
            if (IsTimer(t)) {
                t.state->timerVisible = value != 0;  // a timer is never shown
            } else {
                ShowWindow(t.hwnd, value ? SW_SHOWNA : SW_HIDE);
            }
            break;
        case Property::Disabled:
            EnableWindow(t.hwnd, value ? FALSE : TRUE);
            break;
        case Property::Checked:
            if (IsCheckBox(t))
                SendMessageW(t.hwnd, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case Property::TimerPeriod:
            if (IsTimer(t))
                WriteTimerPeriod(*t.state, value);
            break;
    }
}

host::Text ReadProperty(Page page, const char* control, TextProperty) {
    const Target t = Resolve(page, control, true);
    if (!t.hwnd)
        return host::Text();
    return WizardText(WindowText(t.hwnd).Str());
}

void WriteProperty(Page page, const char* control, TextProperty, const char* value) {
    const Target t = Resolve(page, control, true);
    if (!t.hwnd)
        return;
    SetWindowTextW(t.hwnd, DisplayText(value).Str());
}

}  // namespace gui
