// GetSpecialFolder: the shell's special folders and the three system directories by code.
#include <windows.h>

#include <shlobj.h>

#include "host/dbcs.h"
#include "host/shell.h"
#include "host/shell_library.h"

namespace host {

namespace {

// The folder's path into `buffer` (MAX_PATH bytes); false for an unknown code or a failing call.
bool QueryFolder(int code, char* buffer) {
    static const int kShellFolders[] = {CSIDL_PERSONAL,  CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY, CSIDL_FONTS,
                                        CSIDL_STARTMENU, CSIDL_PROGRAMS,  CSIDL_STARTUP,          CSIDL_APPDATA};
    if (code >= 1 && code <= 8) {
        using SpecialFolderPathFn = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
        const auto folderPath = ShellFunction<SpecialFolderPathFn>("SHGetSpecialFolderPathA");
        return folderPath && folderPath(nullptr, buffer, kShellFolders[code - 1], FALSE) != 0;
    }
    // These return the length, or the size needed when the buffer is too small.
    UINT length;
    switch (code) {
        case 9:
            length = GetWindowsDirectoryA(buffer, MAX_PATH);
            break;
        case 10:
            length = GetSystemDirectoryA(buffer, MAX_PATH);
            break;
        case 11:
            length = GetTempPathA(MAX_PATH, buffer);
            break;
        default:
            return false;
    }
    return length > 0 && length < MAX_PATH;
}

}  // namespace

Text GetSpecialFolder(int code) {
    char path[MAX_PATH] = {};
    if (!QueryFolder(code, path))
        return Text();
    int length = lstrlenA(path);
    // A last byte 0x5C may be the second byte of a Chinese character ending the name (淺 is 9C 5C).
    if (length > 0 && FindLastSingleByte(path, "\\") != path + length - 1) {
        // A path that leaves no room for the "\" and the terminator is refused.
        if (length + 2 > MAX_PATH)
            return Text();
        path[length] = '\\';
        path[length + 1] = '\0';
    }
    return Text::Copy(path);
}

}  // namespace host
