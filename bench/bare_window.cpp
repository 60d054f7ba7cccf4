// The reference for the first-page benchmark: a bare Win32 program that opens one borderless
// 480 x 240 window, centred, and ends when it is closed.
#include <windows.h>

static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(RGB(106, 186, 223));
    wc.lpszClassName = "BareWindow";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "BareWindow", "Bare", WS_POPUP, (GetSystemMetrics(SM_CXSCREEN) - 480) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - 240) / 2, 480, 240, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
