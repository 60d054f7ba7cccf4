#include <windows.h>

#include <shellapi.h>

#include "host/shell.h"

namespace host {

void OpenUrl(const char* address) {
    HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    ShellExecuteA(owner, "open", address ? address : "", nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace host
