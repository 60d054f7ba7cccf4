// Window procedures of the page window and of the picture box, label, transparent label and
// timer, which the layer draws itself.
#include "gui/window_classes.h"

#include "gui/display_text.h"
#include "gui/fonts.h"
#include "gui/open_pages.h"
#include "host/text.h"

namespace gui {

const wchar_t kPageClass[] = L"BrindlowenPage";
const wchar_t kPictureBoxClass[] = L"BrindlowenPictureBox";
const wchar_t kLabelClass[] = L"BrindlowenLabel";
const wchar_t kTransparentLabelClass[] = L"BrindlowenTransparentLabel";
const wchar_t kTimerClass[] = L"BrindlowenTimer";

namespace {

// Position of a child window in its parent's client area.
POINT OriginInParent(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    POINT origin = {rect.left, rect.top};
    ScreenToClient(GetParent(hwnd), &origin);
    return origin;
}

// The page's back colour and tiled background, drawn into `dc` whose origin lies at `offset` in
// the page's client area.
void PaintPageBackground(HDC dc, const OpenPage& page, POINT offset, const RECT& area) {
    FillRect(dc, &area, page.backBrush ? page.backBrush : GetSysColorBrush(COLOR_BTNFACE));
    const RECT pageRect = {-offset.x, -offset.y, page.def->width - offset.x, page.def->height - offset.y};
    DrawPicture(dc, page.background, pageRect, page.def->backgroundMode);
}

// One line, left-aligned, vertically centred, in the control's text colour and font.
void DrawControlText(HDC dc, HWND hwnd, const ControlState& control, RECT rect) {
    const host::WideText text = WindowText(hwnd);
    if (text.Empty())
        return;
    HGDIOBJ oldFont = SelectObject(dc, FontFor(control.def->font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, EffectiveColour(control.def->textColour));
    DrawTextW(dc, text.Str(), static_cast<int>(text.Length()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

HBRUSH ControlColours(HDC dc, HWND child) {
    const ControlState* control = ControlOfWindow(child);
    if (!control)
        return nullptr;
    SetTextColor(dc, EffectiveColour(control->def->textColour));
    SetBkColor(dc, EffectiveColour(control->def->backColour));
    SetBkMode(dc, OPAQUE);
    return control->backBrush;
}

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND: {
            OpenPage* page = PageOfWindow(hwnd);
            if (!page)
                break;
            RECT client;
            GetClientRect(hwnd, &client);
            PaintPageBackground(reinterpret_cast<HDC>(wParam), *page, POINT{0, 0}, client);
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT: {
            HBRUSH brush = ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            if (brush)
                return reinterpret_cast<LRESULT>(brush);
            break;
        }
        case WM_SETCURSOR: {
            const ControlState* control = ControlOfWindow(reinterpret_cast<HWND>(wParam));
            if (control && control->def->pointer == pages::Pointer::Hand && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
                return TRUE;
            }
            break;
        }
        case WM_CLOSE:
            // No close query is refused: the page goes at once, without confirmation.
            DestroyWindow(hwnd);
            return 0;
        case kDestroyRequest: {
            OpenPage* page = PageOfWindow(hwnd);
            if (page && page->destroyRequested) {
                page->destroyRequested = false;
                DestroyWindow(hwnd);
            }
            return 0;
        }
        case WM_NCDESTROY:
            DefWindowProcW(hwnd, msg, wParam, lParam);
            OnPageWindowGone(hwnd);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The self-drawn controls paint everything themselves (no erase), and repaint when their text
// changes. `paint` draws the whole client rectangle.
using PaintFn = void (*)(HDC dc, HWND hwnd, const ControlState& control, const RECT& client);

LRESULT SelfDrawnProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, PaintFn paint) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
            InvalidateRect(hwnd, nullptr, FALSE);
            return result;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            if (const ControlState* control = ControlOfWindow(hwnd))
                paint(dc, hwnd, *control, client);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

void PaintPictureBox(HDC dc, HWND, const ControlState& control, const RECT& client) {
    FillRect(dc, &client, control.backBrush);
    DrawPicture(dc, control.picture, client, control.def->pictureMode);
}

void PaintLabel(HDC dc, HWND hwnd, const ControlState& control, const RECT& client) {
    FillRect(dc, &client, control.backBrush);
    DrawControlText(dc, hwnd, control, client);
}

// Has no background of its own: draws the page's background beneath it, then its text.
void PaintTransparentLabel(HDC dc, HWND hwnd, const ControlState& control, const RECT& client) {
    if (const OpenPage* page = PageOfWindow(GetParent(hwnd))) {
        PaintPageBackground(dc, *page, OriginInParent(hwnd), client);
        DrawControlText(dc, hwnd, control, client);
    }
}

LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SelfDrawnProc(hwnd, msg, wParam, lParam, PaintPictureBox);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SelfDrawnProc(hwnd, msg, wParam, lParam, PaintLabel);
}

LRESULT CALLBACK TransparentLabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SelfDrawnProc(hwnd, msg, wParam, lParam, PaintTransparentLabel);
}

LRESULT CALLBACK TimerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        OnTimerExpired(hwnd);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The program's own icon (its first icon group) for the pages' task-bar buttons, at the size of
// its one image. Asking for the system's icon sizes instead would scale it twice at start (to the
// large and, for the class, the small icon size), which the system does when it draws it anyway.
BOOL CALLBACK TakeFirstIcon(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param) {
    *reinterpret_cast<HICON*>(param) =
        static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR | LR_SHARED));
    return FALSE;
}

HICON ProgramIcon() {
    HICON icon = nullptr;
    EnumResourceNamesW(GetModuleHandleW(nullptr), reinterpret_cast<LPCWSTR>(RT_GROUP_ICON), TakeFirstIcon,
                       reinterpret_cast<LONG_PTR>(&icon));
    return icon;
}

bool Register(const wchar_t* name, WNDPROC proc, UINT style, HBRUSH background, HICON icon) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool RegisterWindowClasses() {
    static bool registered = false;
    if (registered)
        return true;
    static HBRUSH pageBlue = CreateSolidBrush(pages::kPageBlue);
    // Picture boxes and transparent labels accept double clicks, so the second press of a double
    // click arrives as a double click and not as a second press.
    registered = Register(kPageClass, PageProc, 0, pageBlue, ProgramIcon()) &&
                 Register(kPictureBoxClass, PictureBoxProc, CS_DBLCLKS, nullptr, nullptr) &&
                 Register(kLabelClass, LabelProc, 0, nullptr, nullptr) &&
                 Register(kTransparentLabelClass, TransparentLabelProc, CS_DBLCLKS, nullptr, nullptr) &&
                 Register(kTimerClass, TimerProc, 0, nullptr, nullptr);
    return registered;
}

}  // namespace gui
