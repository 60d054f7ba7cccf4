#include "reader/reader_window.h"

#include <string>

#include "reader/piece_text.h"
#include "reader/pieces.h"

namespace reader {

namespace {

const wchar_t kClassName[] = L"BrindlowenReader";
const int kListWidth = 180;
const int kMargin = 8;

struct ReaderState {
    HWND list = nullptr;
    HWND text = nullptr;
    HFONT font = nullptr;
};

// A CJK character set makes the font mapper pick a font with Chinese glyphs on any system code
// page; the face is the usual one on Chinese Windows and only a hint elsewhere.
HFONT CreateReadingFont() {
    return CreateFontW(-18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Microsoft YaHei");
}

void ShowPiece(ReaderState* state, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= PieceCount())
        return;
    SetWindowTextW(state->text, FormatPiece(Pieces()[index]).c_str());
}

void LayOut(ReaderState* state, int width, int height) {
    int inner = height - 2 * kMargin;
    if (inner < 0)
        inner = 0;
    MoveWindow(state->list, kMargin, kMargin, kListWidth, inner, TRUE);
    int textLeft = 2 * kMargin + kListWidth;
    int textWidth = width - textLeft - kMargin;
    MoveWindow(state->text, textLeft, kMargin, textWidth > 0 ? textWidth : 0, inner, TRUE);
}

bool CreateControls(HWND window, ReaderState* state) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    state->list =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 0, 0,
                        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPieceListId)), instance, nullptr);
    state->text = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPieceTextId)), instance, nullptr);
    if (!state->list || !state->text)
        return false;
    state->font = CreateReadingFont();
    if (state->font) {
        SendMessageW(state->list, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
        SendMessageW(state->text, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), FALSE);
    }
    for (std::size_t i = 0; i < PieceCount(); ++i) {
        SendMessageW(state->list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Pieces()[i].title));
    }
    SendMessageW(state->list, LB_SETCURSEL, 0, 0);
    ShowPiece(state, 0);
    return true;
}

LRESULT CALLBACK ReaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<ReaderState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_CREATE: {
            state = new ReaderState;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
            return CreateControls(window, state) ? 0 : -1;
        }
        case WM_SIZE:
            if (state && state->list)
                LayOut(state, LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SETFOCUS:
            if (state && state->list)
                SetFocus(state->list);
            return 0;
        case WM_COMMAND:
            if (state && LOWORD(wParam) == kPieceListId && HIWORD(wParam) == LBN_SELCHANGE) {
                ShowPiece(state, static_cast<int>(SendMessageW(state->list, LB_GETCURSEL, 0, 0)));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            // A read-only edit is drawn like a static control, on the dialog colour; the page to
            // read keeps the window colour.
            if (state && reinterpret_cast<HWND>(lParam) == state->text) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            if (state) {
                if (state->font)
                    DeleteObject(state->font);
                delete state;
                SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateReaderWindow(HINSTANCE instance, int showCommand) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ReaderProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!windowClass.hIcon)
        windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        return nullptr;

    HWND window = CreateWindowExW(0, kClassName, L"Brindlowen", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 820,
                                  580, nullptr, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}

}  // namespace reader
