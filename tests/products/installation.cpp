#include "products/installation.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "products/product_paths.h"

namespace producttest {

const wchar_t kInstallDir[] = L"C:\\Program Files\\zavrin\\";
const wchar_t kStartMenuDir[] = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\zavrin";
const wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Nubrel";
const wchar_t* const kProgramNames[2] = {L"Brindlowen.exe", L"uninst.exe"};

namespace {

std::wstring InStartMenu(const wchar_t* name) {
    return std::wstring(kStartMenuDir) + L"\\" + name;
}

std::string CreateDesktopLink() {
    std::string error;
    HRESULT init = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        error = "cannot create a shell link";
    } else {
        link->SetPath("C:\\Program Files\\zavrin\\Brindlowen.exe");
        link->SetDescription("看美文，就选Brindlo！");
        IPersistFile* file = nullptr;
        if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            error = "no IPersistFile";
        } else {
            if (FAILED(file->Save(DesktopLinkPath().c_str(), TRUE)))
                error = "cannot save the desktop link";
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return error;
}

std::string WriteUninstallValues() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return "cannot create the uninstall key";
    }
    const wchar_t* values[][2] = {
        {L"DisplayIcon", L"C:\\Program Files\\zavrin\\Brindlowen.exe"},
        {L"DisplayName", L"Brindlowen"},
        {L"DisplayVersion", L"1.3"},
        {L"UninstallString", L"C:\\Program Files\\zavrin\\uninst.exe"},
        {L"Publisher", L"Brindlo"},
        {L"URLInfoAbout", L"http://www.brindlo.com/"},
    };
    std::string error;
    for (auto& value : values) {
        DWORD bytes = static_cast<DWORD>((lstrlenW(value[1]) + 1) * sizeof(wchar_t));
        if (RegSetValueExW(key, value[0], 0, REG_SZ, reinterpret_cast<const BYTE*>(value[1]), bytes) != ERROR_SUCCESS) {
            error = "cannot write an uninstall value";
        }
    }
    RegCloseKey(key);
    return error;
}

}  // namespace

std::string LayOutInstallation() {
    if (!CreateDirectoryW(kInstallDir, nullptr))
        return "cannot create the install directory";
    if (SHCreateDirectoryExW(nullptr, kStartMenuDir, nullptr) != ERROR_SUCCESS)
        return "cannot create the menu folder";
    for (const wchar_t* name : kProgramNames) {
        std::wstring built = TestBuildProgram(Narrow(name));
        if (!CopyFileW(built.c_str(), (std::wstring(kInstallDir) + name).c_str(), FALSE))
            return "cannot copy a program";
        if (!CopyFileW(built.c_str(), InStartMenu(name).c_str(), FALSE))
            return "cannot copy a program to the menu";
    }
    std::string error = WriteUninstallValues();
    if (error.empty())
        error = CreateDesktopLink();
    return error;
}

namespace {
void RemoveTree(const std::wstring& directory) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((directory + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = directory + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(directory.c_str());
}
}  // namespace

void RemoveInstallationLeftovers() {
    RemoveTree(L"C:\\Program Files\\zavrin");
    RemoveTree(kStartMenuDir);
    DeleteFileW(DesktopLinkPath().c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kUninstallKey);
}

std::wstring DesktopLinkPath() {
    wchar_t desktop[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    return std::wstring(desktop) + L"\\Brindlowen.lnk";
}

bool PathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool UninstallKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::vector<std::pair<std::wstring, bool>> InstallationItems() {
    std::vector<std::pair<std::wstring, bool>> items;
    for (const wchar_t* name : kProgramNames) {
        std::wstring path = std::wstring(kInstallDir) + name;
        items.emplace_back(path, PathExists(path));
    }
    items.emplace_back(kInstallDir, PathExists(kInstallDir));
    for (const wchar_t* name : kProgramNames)
        items.emplace_back(InStartMenu(name), PathExists(InStartMenu(name)));
    items.emplace_back(kStartMenuDir, PathExists(kStartMenuDir));
    items.emplace_back(DesktopLinkPath(), PathExists(DesktopLinkPath()));
    items.emplace_back(std::wstring(L"HKLM\\") + kUninstallKey, UninstallKeyExists());
    return items;
}

}  // namespace producttest
