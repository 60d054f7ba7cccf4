// Proves that the tests run real Windows code: a real window receives a real click, and the
// built wizard runs as its own process with a real exit code.
#include <gtest/gtest.h>
#include <windows.h>

#include "support/test_support.h"

using namespace testsupport;

TEST(Harness, PostedClickTogglesAutoCheckBox) {
    HWND parent = CreateWindowExA(0, "STATIC", "harness", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    HWND box = CreateWindowExA(0, "BUTTON", "box", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 100, 24, parent,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    PumpMessages();
    ASSERT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // Press and release inside the box, as the mouse would deliver them.
    PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);

    // A second click unticks it again.
    PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    DestroyWindow(parent);
}

TEST(Harness, WizardRunsAsItsOwnProcessAndEndsWithItsExitCode) {
    ChildProcess wizard;
    ASSERT_TRUE(wizard.Start(BuiltExe("app/BrindlowenSetup.exe")));
    HWND page = wizard.WaitForWindow("Brindlowen", 20000);
    ASSERT_NE(page, nullptr) << "no page window appeared";
    PostAltF4(page);
    EXPECT_EQ(wizard.WaitForExit(20000), 0u);
}
