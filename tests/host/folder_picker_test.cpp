// BrowseForFolder with the real shell dialog: a second thread finds the dialog, looks at the
// program's windows while it is open, and answers it.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <functional>
#include <string>
#include <thread>

#include "host/shell.h"
#include "host_fixtures.h"
#include "support/test_support.h"

namespace {

struct DialogSearch {
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof(className));
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && std::string(className) == "#32770") {
        reinterpret_cast<DialogSearch*>(param)->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialog(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        DialogSearch search;
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    }
    return nullptr;
}

// The text of the item selected in the dialog's folder tree.
std::string SelectedName(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    char text[MAX_PATH] = {};
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    if (!item.hItem || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return std::string();
    return text;
}

// What the answering thread saw while the dialog was open.
struct Seen {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    bool mainEnabled = true;
    bool otherEnabled = true;
    std::string title;
};

class HostBrowseForFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        main_ = MakeWindow("main page", 10);
        other_ = MakeWindow("disabled page", 300);
        EnableWindow(other_, FALSE);
        SetForegroundWindow(main_);
        SetActiveWindow(main_);
        testsupport::PumpMessages();
    }
    void TearDown() override {
        DestroyWindow(main_);
        DestroyWindow(other_);
        OleUninitialize();
    }

    static HWND MakeWindow(const char* title, int x) {
        return CreateWindowExA(0, "STATIC", title, WS_POPUP | WS_VISIBLE, x, 10, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }

    // Runs BrowseForFolder while another thread waits for the dialog, records what it sees and
    // then runs `answer` on it.
    host::Text Browse(const char* title, int includeFiles, Seen& seen, std::function<void(HWND)> answer) {
        std::thread helper([&] {
            seen.dialog = WaitForDialog(20000);
            if (!seen.dialog)
                return;
            seen.owner = GetWindow(seen.dialog, GW_OWNER);
            seen.mainEnabled = IsWindowEnabled(main_) != 0;
            seen.otherEnabled = IsWindowEnabled(other_) != 0;
            answer(seen.dialog);
        });
        host::Text result = host::BrowseForFolder(title, includeFiles);
        helper.join();
        return result;
    }

    HWND main_ = nullptr;
    HWND other_ = nullptr;
};

TEST_F(HostBrowseForFolder, CancelGivesNullAndRestoresTheProgramWindows) {
    Seen seen;
    host::Text result = Browse("", -1, seen, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    ASSERT_NE(seen.dialog, nullptr) << "no folder dialog appeared";
    EXPECT_TRUE(result.IsNull());
    EXPECT_EQ(seen.owner, main_) << "the active window owns the dialog";
    EXPECT_FALSE(seen.mainEnabled) << "program windows are disabled while the dialog is open";
    EXPECT_FALSE(seen.otherEnabled);
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_FALSE(IsWindowEnabled(other_)) << "a window disabled before stays disabled";
    EXPECT_EQ(GetActiveWindow(), main_);
    EXPECT_FALSE(IsWindow(seen.dialog));
}

TEST_F(HostBrowseForFolder, ChosenFolderIsReturnedAsItsPath) {
    hosttest::TempDir dir;
    ASSERT_TRUE(CreateDirectoryA((dir / "zavrin").c_str(), nullptr));
    std::string chosen = dir / "zavrin";
    std::string file = dir / "zavrin\\Brindlowen.exe";
    ASSERT_TRUE(hosttest::WriteWholeFile(file, "MZ"));
    struct Case {
        const char* what;
        std::string select;
        int includeFiles;
        const char* expected;  // null: no result
    } cases[] = {
        {"folder", chosen, -1, chosen.c_str()},
        {"folder with files offered", chosen, 1, chosen.c_str()},
        {"file, with files offered", file, 1, file.c_str()},
    };
    for (const Case& c : cases) {
        Seen seen;
        host::Text result = Browse("选择安装目录", c.includeFiles, seen, [&](HWND dialog) {
            // Wine's tree may not yet know a new entry two levels down: select the parent first
            // and repeat until the tree's selected item is the chosen entry.
            std::string parent = c.select.substr(0, c.select.rfind('\\'));
            std::string name = c.select.substr(parent.size() + 1);
            for (int attempt = 0; attempt < 40 && SelectedName(dialog).rfind(name.substr(0, name.find('.')), 0);
                 ++attempt) {
                SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(parent.c_str()));
                SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(c.select.c_str()));
                if (attempt)
                    Sleep(50);
            }
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ASSERT_NE(seen.dialog, nullptr) << c.what;
        ASSERT_FALSE(result.IsNull()) << c.what;
        EXPECT_STREQ(result.Get(), c.expected) << c.what;
        EXPECT_TRUE(IsWindowEnabled(main_)) << c.what;
    }
}

TEST_F(HostBrowseForFolder, WithoutActiveWindowTheDialogHasNoOwner) {
    DestroyWindow(main_);
    main_ = nullptr;
    SetActiveWindow(nullptr);
    Seen seen;
    host::Text result = Browse("", -1, seen, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    ASSERT_NE(seen.dialog, nullptr);
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_TRUE(result.IsNull());
    EXPECT_FALSE(IsWindowEnabled(other_));
}

}  // namespace
