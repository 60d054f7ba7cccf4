#include <windows.h>

#include <shellapi.h>

#include "host/shell.h"
#include "host/shell_library.h"

namespace host {

void OpenUrl(const char* address) {
    HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    if (const auto execute = ShellFunction<ShellExecuteFn>("ShellExecuteA"))
        execute(owner, "open", address ? address : "", nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace host
