#include "host/shell_library.h"

#include <windows.h>

#include "host/system_library.h"

namespace host {

namespace {
HMODULE g_shell = nullptr;
}  // namespace

void* ShellExport(const char* name) {
    if (!g_shell)
        g_shell = LoadSystemLibrary(L"shell32.dll");
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
