#include "host/system_library.h"

namespace host {

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 1 + static_cast<UINT>(lstrlenW(fileName)) >= MAX_PATH)
        return nullptr;
    path[length] = L'\\';
    lstrcpyW(path + length + 1, fileName);
    return LoadLibraryExW(path, nullptr, 0);
}

}  // namespace host
