// Process entry of the setup wizard.
#include <windows.h>

namespace {

const char kClassName[] = "BrindlowenPage";

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PageProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(106, 186, 223));
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) return -1;

    const int width = 480, height = 240;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND page = CreateWindowExA(0, kClassName, "Brindlowen", WS_POPUP, x, y, width, height, nullptr, nullptr,
                                instance, nullptr);
    if (!page) return -1;
    ShowWindow(page, SW_SHOWNORMAL);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
