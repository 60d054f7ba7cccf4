// The wizard's own page tables built by the GUI layer: the initial values the handlers rely on,
// the bindings, and what is painted. The handlers here only record what they see.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/handlers.h"
#include "gui/layer.h"
#include "gui/runtime.h"
#include "pages/definitions.h"
#include "real_input.h"

using gui::Page;
using gui::Property;
using gui::TextProperty;
using namespace guitest;

namespace {
std::vector<std::string> g_calls;
std::vector<int> g_agreementStates;
void Called(const char* name) {
    g_calls.push_back(name);
}
}  // namespace

namespace handlers {
void WelcomeCreated() {
    Called("WelcomeCreated");
}
void WelcomeNext() {
    Called("WelcomeNext");
}
void WelcomeCancel() {
    Called("WelcomeCancel");
}
void DirectoryBack() {
    Called("DirectoryBack");
}
void DirectoryNext() {
    Called("DirectoryNext");
}
void DirectoryCancel() {
    Called("DirectoryCancel");
}
void DirectoryBrowse() {
    Called("DirectoryBrowse");
}
void FollowBack() {
    Called("FollowBack");
}
void FollowNext() {
    Called("FollowNext");
}
void FollowCancel() {
    Called("FollowCancel");
}
void FollowWeibo() {
    Called("FollowWeibo");
}
void FollowQq() {
    Called("FollowQq");
}
void FollowAgreementLink() {
    Called("FollowAgreementLink");
}
void FollowAgreementPressed() {
    Called("FollowAgreementPressed");
    g_agreementStates.push_back(gui::ReadProperty(Page::Follow, "选择框1", Property::Checked));
}
void FollowAgreementClicked() {
    Called("FollowAgreementClicked");
    g_agreementStates.push_back(gui::ReadProperty(Page::Follow, "选择框1", Property::Checked));
}
void ProgressCreated() {
    Called("ProgressCreated");
}
void ProgressTimerTick() {
    Called("ProgressTimerTick");
}
void ProgressFinish() {
    Called("ProgressFinish");
}
}  // namespace handlers

namespace {

class ProgramPages : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_agreementStates.clear();
        ASSERT_TRUE(gui::SetPageTable(pages::ProgramPages()));
    }
};

TEST_F(ProgramPages, InitialValuesTheHandlersDependOn) {
    for (Page page : {Page::Welcome, Page::Directory, Page::Follow, Page::Progress}) {
        ASSERT_TRUE(gui::LoadPage(page));
    }
    struct TextCase {
        Page page;
        const char* control;
        const char* text;
    } texts[] = {
        {Page::Directory, "编辑框1", "C:\\Program Files\\zavrin\\"},
        {Page::Directory, "编辑框_目录", "C:\\Program Files\\zavrin"},
        {Page::Progress, "编辑框1", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\zavrin"},
        {Page::Progress, "编辑框2", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\zavrin\\"},
        {Page::Progress, "编辑框3", "C:\\Program Files\\zavrin\\"},
        {Page::Progress, "标签3", "源目录"},
        {Page::Follow, "选择框1", "我已经阅读并同意Brindlowen"},
        {Page::Welcome, nullptr, "Brindlowen"},
    };
    for (const TextCase& c : texts) {
        EXPECT_STREQ(gui::ReadProperty(c.page, c.control, TextProperty::Text).Get(), c.text) << c.control;
    }
    struct ValueCase {
        Page page;
        const char* control;
        Property property;
        int value;
    } values[] = {
        {Page::Directory, "编辑框1", Property::Disabled, 1},    {Page::Follow, "选择框1", Property::Checked, 1},
        {Page::Follow, "图片框2", Property::Disabled, 0},       {Page::Progress, "分组框1", Property::Left, 20},
        {Page::Progress, "分组框1", Property::Width, 440},      {Page::Progress, "分组框1", Property::Visible, 0},
        {Page::Progress, "标签1", Property::Left, 20},          {Page::Progress, "标签1", Property::Width, 5},
        {Page::Progress, "时钟1", Property::TimerPeriod, 0},    {Page::Progress, "选择框1", Property::Checked, 1},
        {Page::Progress, "选择框2", Property::Checked, 1},      {Page::Progress, "选择框3", Property::Checked, 0},
        {Page::Directory, "图片框4", Property::Left, 770},      {Page::Directory, "图片框4", Property::Visible, 1},
        {Page::Directory, "编辑框_目录", Property::Visible, 0}, {Page::Welcome, nullptr, Property::Width, 480},
    };
    for (const ValueCase& c : values) {
        EXPECT_EQ(gui::ReadProperty(c.page, c.control, c.property), c.value) << c.control;
    }
    EXPECT_NE(GetWindowLongPtrW(gui::ControlWindow(Page::Directory, "编辑框1"), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(g_calls, std::vector<std::string>({"WelcomeCreated", "ProgressCreated"}));
}

TEST_F(ProgramPages, EveryPageIsCentredBorderlessAndCarriesItsCaption) {
    for (Page page : {Page::Welcome, Page::Directory, Page::Follow, Page::Progress}) {
        ASSERT_TRUE(gui::LoadPage(page));
        HWND hwnd = gui::PageWindow(page);
        RECT r;
        GetWindowRect(hwnd, &r);
        EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 480) / 2);
        EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 240) / 2);
        RECT client;
        GetClientRect(hwnd, &client);
        EXPECT_EQ(client.right, 480);
        EXPECT_EQ(client.bottom, 240);
        gui::DestroyPage(page);
        RunEventsFor(20);
    }
}

TEST_F(ProgramPages, ButtonsRaiseTheirBoundHandlers) {
    ASSERT_TRUE(gui::LoadPage(Page::Follow));
    RunEventsFor(100);
    const char* controls[] = {"图片框1", "图片框2", "图片框3", "图片框4", "图片框5", "透明标签5"};
    for (const char* control : controls)
        ClickAt(CentreOf(gui::ControlWindow(Page::Follow, control)));
    EXPECT_EQ(g_calls, std::vector<std::string>({"FollowBack", "FollowNext", "FollowCancel", "FollowWeibo", "FollowQq",
                                                 "FollowAgreementLink"}));
}

TEST_F(ProgramPages, AgreementBoxReportsThePressAndTheCompletedClick) {
    ASSERT_TRUE(gui::LoadPage(Page::Follow));
    RunEventsFor(100);
    // Click on the box's glyph at its left edge.
    const POINT box = ScreenPoint(gui::ControlWindow(Page::Follow, "选择框1"), 6, 12);
    ClickAt(box);
    EXPECT_EQ(g_calls, std::vector<std::string>({"FollowAgreementPressed", "FollowAgreementClicked"}));
    EXPECT_EQ(g_agreementStates, std::vector<int>({1, 0}));
}

COLORREF ScreenPixel(HWND page, int x, int y) {
    const POINT p = ScreenPoint(page, x, y);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST_F(ProgramPages, ProgressBarIsASolidWhiteStripOnThePageBlue) {
    ASSERT_TRUE(gui::LoadPage(Page::Progress));
    RunEventsFor(300);
    HWND page = gui::PageWindow(Page::Progress);
    EXPECT_EQ(ScreenPixel(page, 22, 83), RGB(255, 255, 255));
    EXPECT_EQ(ScreenPixel(page, 30, 83), pages::kPageBlue);  // right of the 5-pixel bar: no ruler frame
    EXPECT_EQ(ScreenPixel(page, 300, 20), pages::kPageBlue);
}

}  // namespace
