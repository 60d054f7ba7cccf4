// CreateShortcut: a shell link saved through IPersistFile.
#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "host/dbcs.h"
#include "host/shell.h"

namespace host {

namespace {

// The link's file name in UTF-16: the path with ".lnk" appended when its last component has no
// ".". False when the name, with its terminator, does not fit in MAX_PATH.
bool LinkFileName(const char* linkPath, wchar_t* wide) {
    const char* separator = FindLastSingleByte(linkPath, "\\/");
    const char* lastPart = separator ? separator + 1 : linkPath;
    char name[MAX_PATH];
    std::size_t length = std::strlen(linkPath);
    if (std::strchr(lastPart, '.')) {
        if (length + 1 > MAX_PATH)
            return false;
        std::memcpy(name, linkPath, length + 1);
    } else {
        if (length + 5 > MAX_PATH)
            return false;
        std::memcpy(name, linkPath, length);
        std::memcpy(name + length, ".lnk", 5);
    }
    return MultiByteToWideChar(CP_ACP, 0, name, -1, wide, MAX_PATH) != 0;
}

}  // namespace

int CreateShortcut(const char* linkPath,
                   const char* target,
                   const char* description,
                   const char* arguments,
                   const char* workingDirectory) {
    if (!linkPath)
        linkPath = "";
    if (!target)
        target = "";
    int result = 0;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return 0;
    }
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        return 0;
    }
    link->SetPath(target);
    link->SetShowCmd(SW_SHOW);
    if (description)
        link->SetDescription(description);
    if (arguments)
        link->SetArguments(arguments);
    if (workingDirectory)
        link->SetWorkingDirectory(workingDirectory);

    wchar_t name[MAX_PATH];
    if (LinkFileName(linkPath, name) && SUCCEEDED(file->Save(name, TRUE)))
        result = 1;
    file->Release();
    link->Release();
    return result;
}

}  // namespace host
