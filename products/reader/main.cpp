// Brindlowen, the reader: one window listing the pieces and showing the chosen one.
#include <windows.h>

#include "reader/reader_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
    HWND window = reader::CreateReaderWindow(instance, showCommand);
    if (!window) {
        MessageBoxW(nullptr, L"无法创建阅读窗口。", L"Brindlowen", MB_OK | MB_ICONERROR);
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
