// The fatal error of a failed allocation, seen on a real process: the box, its text, the exit code.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "support/test_support.h"

namespace {

TEST(HostFatalError, FailedAllocationShowsTheBoxThenExitsWithMinusOne) {
    testsupport::ChildProcess probe;
    ASSERT_TRUE(probe.Start(testsupport::BuiltExe("tests/host/host_probe.exe"), "alloc"));
    HWND box = probe.WaitForWindow("错误", 20000);
    ASSERT_NE(box, nullptr) << "no error box appeared";

    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));  // the message box's text control
    std::string bytes = std::to_string(SIZE_MAX / 2 + 1);
    EXPECT_EQ(std::string(text), "运行时出错!\r\n\r\n错误信息：分配 " + bytes + " 字节内存失败!\r\n");
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
    EXPECT_EQ(probe.WaitForExit(300), static_cast<DWORD>(STILL_ACTIVE)) << "the process waits for the box";

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(probe.WaitForExit(20000), 0xFFFFFFFFu);
}

}  // namespace
