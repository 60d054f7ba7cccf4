#include "host/registry.h"

#include <windows.h>

#include "host/dbcs.h"
#include "host/text.h"

namespace host {

namespace {

HKEY RootKey(int rootCode) {
    switch (rootCode) {
        case 1:
            return HKEY_CLASSES_ROOT;
        case 2:
            return HKEY_CURRENT_CONFIG;
        case 4:
            return HKEY_LOCAL_MACHINE;
        case 5:
            return HKEY_USERS;
        default:
            return HKEY_CURRENT_USER;
    }
}

}  // namespace

int WriteRegistryText(int rootCode, const char* path, const char* value) {
    if (!path)
        path = "";
    if (!value)
        value = "";
    HKEY root = RootKey(rootCode);

    // Key path before the last "\", value name after it; without "\" the value sits on the root.
    const char* separator = FindLastSingleByte(path, "\\");
    Text keyPath = separator ? Text::Copy(path, static_cast<std::size_t>(separator - path)) : Text();
    const char* valueName = separator ? separator + 1 : path;

    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath.Str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS &&
        RegCreateKeyA(root, keyPath.Str(), &key) != ERROR_SUCCESS) {
        return 0;
    }
    DWORD size = static_cast<DWORD>(lstrlenA(value)) + 1;  // the terminator is stored too
    LONG status = RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 1 : 0;
}

}  // namespace host
