#include "gui/controls.h"

#include "gui/display_text.h"
#include "gui/fonts.h"
#include "gui/window_classes.h"

namespace gui {

namespace {

struct WindowShape {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowShape ShapeOf(const pages::ControlDefinition& def) {
    using pages::ControlKind;
    const DWORD sunken = def.border == pages::Border::Sunken ? WS_EX_CLIENTEDGE : 0;
    switch (def.kind) {
        case ControlKind::PictureBox:
            return {kPictureBoxClass, 0, sunken};
        case ControlKind::EditBox:
            return {L"EDIT", static_cast<DWORD>(ES_LEFT | ES_AUTOHSCROLL | (def.readOnly ? ES_READONLY : 0)), sunken};
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE, sunken};
        case ControlKind::TransparentLabel:
            return {kTransparentLabelClass, 0, sunken};
        case ControlKind::Label:
            return {kLabelClass, 0, sunken};
        case ControlKind::GroupBox:
            return {L"BUTTON", BS_GROUPBOX | BS_LEFT, 0};
        case ControlKind::Timer:
            return {kTimerClass, 0, 0};
    }
    return {kLabelClass, 0, 0};
}

COLORREF PictureBackColour(const pages::ControlDefinition& def) {
    return EffectiveColour(def.backColour);
}

}  // namespace

bool BuildControl(OpenPage& page, const pages::ControlDefinition& def) {
    const WindowShape shape = ShapeOf(def);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | shape.style;
    if (def.disabled)
        style |= WS_DISABLED;
    if (def.tabStop)
        style |= WS_TABSTOP;
    const host::WideText text = DisplayText(def.text);
    HWND hwnd = CreateWindowExW(shape.exStyle, shape.className, text.Str(), style, def.left, def.top, def.width,
                                def.height, page.hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd)
        return false;
    // Each control goes below the ones built before it: the first one listed is the top-most.
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);

    ControlState state;
    state.def = &def;
    state.hwnd = hwnd;
    state.backBrush = BrushFor(def.backColour, &state.ownsBrush);
    state.timerVisible = def.visible;
    if (def.picture && def.picture->data) {
        state.picture = DecodePicture(def.picture->data, def.picture->size, PictureBackColour(def));
    }
    if (def.kind == pages::ControlKind::Timer && def.timerPeriod > 0) {
        state.timerPeriod = def.timerPeriod;
        SetTimer(hwnd, kTimerId, static_cast<UINT>(def.timerPeriod), nullptr);
    }
    page.controls.Append(state);

    if (def.kind != pages::ControlKind::Timer && def.kind != pages::ControlKind::PictureBox) {
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(def.font)), FALSE);
    }
    if (def.kind == pages::ControlKind::CheckBox) {
        SendMessageW(hwnd, BM_SETCHECK, def.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return true;
}

}  // namespace gui
