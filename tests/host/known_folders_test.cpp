// GetSpecialFolder: the code table, the trailing "\" and paths at the length limit.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <string>

#include "host/shell.h"
#include "host_fixtures.h"

namespace {

std::string WithBackslash(std::string path) {
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path;
}

TEST(HostSpecialFolder, CodesMapToTheirFoldersWithATrailingBackslash) {
    struct Case {
        int code;
        int csidl;  // -1: one of the system directories below
    } cases[] = {
        {1, CSIDL_PERSONAL},
        {2, CSIDL_FAVORITES},
        {3, CSIDL_DESKTOPDIRECTORY},
        {4, CSIDL_FONTS},
        {5, CSIDL_STARTMENU},
        {6, CSIDL_PROGRAMS},
        {7, CSIDL_STARTUP},
        {8, CSIDL_APPDATA},
        {9, -1},
        {10, -1},
        {11, -1},
    };
    for (const Case& c : cases) {
        char expected[MAX_PATH] = {};
        bool exists = true;
        if (c.csidl >= 0)
            exists = SHGetSpecialFolderPathA(nullptr, expected, c.csidl, FALSE) != 0;
        if (c.code == 9)
            GetWindowsDirectoryA(expected, MAX_PATH);
        if (c.code == 10)
            GetSystemDirectoryA(expected, MAX_PATH);
        if (c.code == 11)
            GetTempPathA(MAX_PATH, expected);
        host::Text folder = host::GetSpecialFolder(c.code);
        if (!exists) {
            EXPECT_TRUE(folder.IsNull()) << "code " << c.code;
            continue;
        }
        ASSERT_FALSE(folder.IsNull()) << "code " << c.code;
        EXPECT_EQ(std::string(folder.Get()), WithBackslash(expected)) << "code " << c.code;
    }
    host::Text desktop = host::GetSpecialFolder(3);
    ASSERT_FALSE(desktop.IsNull());
    EXPECT_TRUE(hosttest::IsDirectory(desktop.Get())) << desktop.Get();
}

TEST(HostSpecialFolder, UnknownCodesGiveNull) {
    for (int code : {0, 12, -1, 16, 0x10})
        EXPECT_TRUE(host::GetSpecialFolder(code).IsNull()) << "code " << code;
}

// Runs `body` with the user's Desktop shell folder set to `folder`, then puts the setting back.
template <typename Body>
void WithDesktopFolder(const std::string& folder, Body body) {
    const char* shellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, shellFolders, 0, KEY_READ | KEY_WRITE, &key), ERROR_SUCCESS);
    char oldDesktop[1024] = {};
    DWORD oldType = 0, oldSize = sizeof(oldDesktop);
    ASSERT_EQ(RegQueryValueExA(key, "Desktop", nullptr, &oldType, reinterpret_cast<BYTE*>(oldDesktop), &oldSize),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Desktop", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
    body();
    RegSetValueExA(key, "Desktop", 0, oldType, reinterpret_cast<BYTE*>(oldDesktop), oldSize);
    RegCloseKey(key);
}

TEST(HostSpecialFolder, NameEndingInACharacterWhoseSecondByteIsABackslashGetsItsBackslash) {
    hosttest::TempDir dir;
    const std::string folder = dir.Path() + "\\桌面淺";  // 淺 is 0x9C 0x5C
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WithDesktopFolder(folder, [&] {
        host::Text desktop = host::GetSpecialFolder(3);
        ASSERT_FALSE(desktop.IsNull());
        EXPECT_EQ(std::string(desktop.Get()), folder + "\\");
    });
    RemoveDirectoryA(folder.c_str());
}

// A refused folder is null; any other is the folder with its trailing "\".
void ExpectFolderOrRefusal(const host::Text& got, const std::string& folder, bool refused, size_t length) {
    if (refused) {
        EXPECT_TRUE(got.IsNull()) << length;
    } else {
        ASSERT_FALSE(got.IsNull()) << length;
        EXPECT_EQ(std::string(got.Get()), folder + "\\");
    }
}

TEST(HostSpecialFolder, PathsThatLeaveNoRoomForTheBackslashAreRefused) {
    // The temporary directory follows TMP, and the desktop the user's shell-folder setting.
    hosttest::TempDir dir;
    auto padded = [&](size_t length) {
        std::string path = dir.Path() + "\\";
        return path + std::string(length - path.size(), 'd');
    };
    struct Case {
        size_t length;  // of the folder path without the trailing "\"
        bool refused;
    } cases[] = {{MAX_PATH - 3, false}, {MAX_PATH - 2, false}, {MAX_PATH - 1, true}, {MAX_PATH + 40, true}};

    char oldTmp[MAX_PATH * 2] = {};
    GetEnvironmentVariableA("TMP", oldTmp, sizeof(oldTmp));
    for (const Case& c : cases) {
        std::string folder = padded(c.length);
        SetEnvironmentVariableA("TMP", folder.c_str());
        ExpectFolderOrRefusal(host::GetSpecialFolder(11), folder, c.refused, c.length);
    }
    SetEnvironmentVariableA("TMP", oldTmp);

    for (const Case& c : cases) {
        if (c.length >= MAX_PATH)
            continue;  // such a directory cannot be made
        std::string folder = padded(c.length);
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << c.length;
        WithDesktopFolder(folder, [&] {
            ExpectFolderOrRefusal(host::GetSpecialFolder(3), folder, c.refused, c.length);
        });
        RemoveDirectoryA(folder.c_str());
    }
}

}  // namespace
