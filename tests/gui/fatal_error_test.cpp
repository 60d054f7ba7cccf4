// Fatal errors of the GUI layer, watched from outside: the error box without owner, its text, and
// exit code -1 once it is closed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/test_support.h"

using namespace testsupport;

namespace {

std::wstring Wide(const std::string& cp936) {
    std::wstring out(cp936.size(), L'\0');
    const int n = MultiByteToWideChar(936, 0, cp936.data(), static_cast<int>(cp936.size()), &out[0],
                                      static_cast<int>(out.size()));
    out.resize(n > 0 ? n : 0);
    return out;
}

TEST(GuiFatalError, ShowsTheMessageAndEndsWithMinusOne) {
    struct Case {
        const char* scenario;
        const char* message;
    } cases[] = {
        {"destroy-not-open", "指定窗口或窗口组件不存在或尚未载入"},
        {"checked-not-open", "指定窗口尚未载入"},
        {"text-after-destroy", "指定窗口尚未载入"},
        {"undefined-page", "未载入欲访问窗口组件所在的窗口"},
        {"unknown-control", "指定窗口或窗口组件不存在或尚未载入"},
    };
    for (const Case& c : cases) {
        ChildProcess helper;
        ASSERT_TRUE(helper.Start(BuiltExe("tests/gui/gui_fatal_helper.exe"), c.scenario));
        HWND box = helper.WaitForWindow("错误", 20000);
        ASSERT_NE(box, nullptr) << c.scenario;
        EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        EXPECT_EQ(std::wstring(text), Wide(std::string("运行时出错!\r\n\r\n错误信息：") + c.message + "\r\n"))
            << c.scenario;
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(helper.WaitForExit(20000), 0xFFFFFFFFu) << c.scenario;
    }
}

TEST(GuiFatalError, ExitProgramEndsWithItsCodeAndNoBox) {
    ChildProcess helper;
    ASSERT_TRUE(helper.Start(BuiltExe("tests/gui/gui_fatal_helper.exe"), "exit-program"));
    EXPECT_EQ(helper.WaitForExit(20000), 0u);
}

}  // namespace
