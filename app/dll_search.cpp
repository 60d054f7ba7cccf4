#include "app/dll_search.h"

#include <windows.h>

#include "host/system_library.h"

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

    // A theme library may delay-load msimg32.dll by bare name through the classic search order,
    // program folder first, when it first draws a themed control (Wine's uxtheme does). Loaded
    // now by its full System32 path, that later load finds it already in memory.
    host::LoadSystemLibrary(L"msimg32.dll");
}

}  // namespace app
