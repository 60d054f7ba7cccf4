#include "app/dll_search.h"

#include <windows.h>

namespace app {

void RestrictDllSearchToSystem32() {
    // SetDefaultDllDirectories exists from Windows 7 with KB2533623 on; look it up so the program
    // still starts where it is missing. kernel32 is always loaded, so no search happens here.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFn>(
                                   reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                             : nullptr;
    if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Also takes the current directory out of the classic search order.
    SetDllDirectoryA("");
}

}  // namespace app
