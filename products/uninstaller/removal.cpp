#include "uninstaller/removal.h"

#include <windows.h>

#include <shlobj.h>

#include "uninstaller/install_layout.h"

namespace uninstaller {

namespace {

bool IsAbsent(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::wstring Join(const std::wstring& directory, const std::wstring& name) {
    if (!directory.empty() && directory.back() == L'\\')
        return directory + name;
    return directory + L"\\" + name;
}

// Deletes one file; returns false if it is still there.
bool RemoveFile(const std::wstring& path, RemovalReport& report) {
    if (DeleteFileW(path.c_str()) || IsAbsent(GetLastError()))
        return true;
    report.failed.push_back(path);
    return false;
}

// Deletes the two program files from a directory, then the directory itself if that left it empty.
void RemoveProgramFolder(const std::wstring& directory, RemovalReport& report) {
    bool allRemoved = true;
    for (const wchar_t* name : kProgramFiles) {
        allRemoved = RemoveFile(Join(directory, name), report) && allRemoved;
    }
    if (RemoveDirectoryW(directory.c_str()))
        return;
    DWORD error = GetLastError();
    if (IsAbsent(error))
        return;
    if (error == ERROR_DIR_NOT_EMPTY) {
        // A program file that could not be deleted is already reported; only other files keep the folder.
        if (allRemoved)
            report.kept.push_back(directory);
        return;
    }
    report.failed.push_back(directory);
}

void RemoveDesktopLink(RemovalReport& report) {
    wchar_t desktop[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE)) {
        report.failed.push_back(std::wstring(L"桌面快捷方式 ") + kDesktopLinkName);
        return;
    }
    RemoveFile(Join(desktop, kDesktopLinkName), report);
}

void RemoveUninstallEntry(RemovalReport& report) {
    LONG result = RegDeleteKeyW(HKEY_LOCAL_MACHINE, kUninstallKey);
    if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND)
        return;
    report.failed.push_back(std::wstring(L"HKEY_LOCAL_MACHINE\\") + kUninstallKey);
}

}  // namespace

RemovalReport RemoveInstallation() {
    RemovalReport report;
    RemoveProgramFolder(kInstallDirectory, report);
    RemoveProgramFolder(kStartMenuFolder, report);
    RemoveDesktopLink(report);
    RemoveUninstallEntry(report);
    return report;
}

}  // namespace uninstaller
