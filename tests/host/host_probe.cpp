// A small program that runs one host operation in a process of its own, for the outcomes that end
// or leave the process: the fatal error of a failed allocation, and handing an address to the
// browser. Usage: host_probe alloc | host_probe url ADDRESS [ie]
#include <windows.h>

#include <ole2.h>

#include <cstdint>
#include <cstring>

#include "host/shell.h"
#include "host/text.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc >= 2 && std::strcmp(__argv[1], "alloc") == 0) {
        // More than the address space can hold, on 32-bit and 64-bit alike.
        host::Text huge = host::AllocateText(SIZE_MAX / 2);
        return 0;  // not reached: the allocation failure ends the process
    }
    if (__argc >= 3 && std::strcmp(__argv[1], "url") == 0) {
        // With "ie", a window titled as the browser's is open during the call.
        HWND browserLike = nullptr;
        if (__argc >= 4 && std::strcmp(__argv[3], "ie") == 0) {
            browserLike = CreateWindowExA(0, "STATIC", "Microsoft Internet Explorer", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                          50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
            if (!browserLike)
                return 3;
        }
        OleInitialize(nullptr);
        host::OpenUrl(__argv[2]);
        OleUninitialize();
        if (browserLike)
            DestroyWindow(browserLike);
        return 0;
    }
    return 2;
}
