// ShellExport: shell32's functions from the library loaded by its System32 path on first use.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/shell_library.h"

namespace {

std::wstring ModuleFileOf(void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module))
        return std::wstring();
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

std::wstring SystemShell32() {
    wchar_t path[MAX_PATH] = {};
    GetSystemDirectoryW(path, MAX_PATH);
    return std::wstring(path) + L"\\shell32.dll";
}

TEST(HostShellLibrary, ExportsComeFromTheSystemShell32AndUnknownNamesGiveNull) {
    for (const char* name :
         {"SHGetSpecialFolderPathA", "SHBrowseForFolderA", "SHGetPathFromIDListA", "ShellExecuteA"}) {
        void* address = host::ShellExport(name);
        ASSERT_NE(address, nullptr) << name;
        EXPECT_EQ(CompareStringOrdinal(ModuleFileOf(address).c_str(), -1, SystemShell32().c_str(), -1, TRUE),
                  CSTR_EQUAL)
            << name;
    }
    EXPECT_EQ(host::ShellExport("NoSuchShellExport"), nullptr);
    EXPECT_EQ(host::ShellExport(nullptr), nullptr);
}

TEST(HostShellLibrary, ALibraryReleasedAtExitIsLoadedAgainWhenAskedFor) {
    ASSERT_NE(host::ShellExport("ShellExecuteA"), nullptr);
    host::ReleaseShellLibrary();
    host::ReleaseShellLibrary();  // a second release does nothing
    using SpecialFolderPathFn = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
    const auto folderPath = host::ShellFunction<SpecialFolderPathFn>("SHGetSpecialFolderPathA");
    ASSERT_NE(folderPath, nullptr);
    char windows[MAX_PATH] = {};
    EXPECT_TRUE(folderPath(nullptr, windows, 0x24 /* CSIDL_WINDOWS */, FALSE));
    EXPECT_NE(windows[0], '\0');
}

}  // namespace
