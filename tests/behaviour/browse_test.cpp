// DirectoryPage's hidden Browse action with the real folder browser, answered from a second thread
// as a person would: cancel, a drive root, a folder.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <string>
#include <thread>

#include "app/handlers.h"
#include "behaviour/test_pages.h"
#include "gui/runtime.h"

using gui::Page;
using namespace behaviourtest;

namespace {

HWND FindBrowser(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        struct Search {
            HWND found;
        } search = {nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM param) -> BOOL {
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                char cls[64] = {};
                GetClassNameA(hwnd, cls, sizeof(cls));
                if (pid != GetCurrentProcessId() || !IsWindowVisible(hwnd) || std::string(cls) != "#32770")
                    return TRUE;
                reinterpret_cast<Search*>(param)->found = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

struct BrowseCase {
    const char* name;
    const char* choose;  // folder to select and accept; null: cancel the browser
    const char* expected;
};

class DirectoryBrowse : public ::testing::TestWithParam<BrowseCase> {};

TEST_P(DirectoryBrowse, PutsTheChosenFolderWithOneTrailingBackslashIntoTheBox) {
    const BrowseCase c = GetParam();
    UseTestPages();
    ASSERT_TRUE(gui::LoadPage(Page::Directory));

    bool answered = false;
    std::thread person([&] {
        HWND browser = FindBrowser(15000);
        if (!browser)
            return;
        if (c.choose) {
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(c.choose));
            Sleep(200);
            PostMessageA(browser, WM_COMMAND, IDOK, 0);
        } else {
            PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
        }
        answered = true;
    });
    handlers::DirectoryBrowse();
    person.join();
    ASSERT_TRUE(answered) << "no folder browser appeared";

    host::Text box = gui::ReadProperty(Page::Directory, "编辑框1", gui::TextProperty::Text);
    EXPECT_STREQ(box.Str(), c.expected);
    gui::DestroyPage(Page::Directory);
    RunEventsFor(50);
}

INSTANTIATE_TEST_SUITE_P(Answers,
                         DirectoryBrowse,
                         ::testing::Values(BrowseCase{"CancelLeavesTheBox", nullptr, "C:\\Program Files\\zavrin\\"},
                                           BrowseCase{"DriveRootKeepsOneBackslash", "C:\\", "C:\\"},
                                           BrowseCase{"FolderGainsABackslash", "C:\\windows", "C:\\windows\\"}),
                         [](const ::testing::TestParamInfo<BrowseCase>& info) { return std::string(info.param.name); });
