#include "host/shell_library.h"

#include <windows.h>

namespace host {

namespace {

HMODULE g_shell = nullptr;

HMODULE LoadShellLibrary() {
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH - 16)
        return nullptr;
    lstrcatW(path, L"\\shell32.dll");
    return LoadLibraryExW(path, nullptr, 0);
}

}  // namespace

void* ShellExport(const char* name) {
    if (!g_shell)
        g_shell = LoadShellLibrary();
    if (!g_shell || !name)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(g_shell, name));
}

void ReleaseShellLibrary() {
    if (g_shell) {
        FreeLibrary(g_shell);
        g_shell = nullptr;
    }
}

}  // namespace host
