// The GUI layer on small test pages: building, input routing with real mouse and keyboard input,
// properties, timers, destruction, the message box and the event loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "gui/layer.h"
#include "gui/runtime.h"
#include "pages/definitions.h"
#include "real_input.h"
#include "support/test_support.h"

using gui::Page;
using gui::Property;
using gui::TextProperty;
using pages::Control;
using pages::ControlKind;
using namespace guitest;

namespace {

struct Record {
    int created = 0;
    bool visibleInCreated = true;
    std::vector<int> boxCheckedAtPress;
    std::vector<int> boxCheckedAfterClick;
    int top = 0, under = 0, button = 0, disabled = 0, ticks = 0;
};
Record g;

void Created() {
    ++g.created;
    g.visibleInCreated = IsWindowVisible(gui::PageWindow(Page::Welcome)) != 0;
}
void BoxPressed() {
    g.boxCheckedAtPress.push_back(gui::ReadProperty(Page::Welcome, "box", Property::Checked));
}
void BoxClicked() {
    g.boxCheckedAfterClick.push_back(gui::ReadProperty(Page::Welcome, "box", Property::Checked));
}
void TopPressed() {
    ++g.top;
}
void UnderPressed() {
    ++g.under;
}
void ButtonPressed() {
    ++g.button;
}
void DisabledPressed() {
    ++g.disabled;
}
void Tick() {
    ++g.ticks;
}

constexpr ControlKind kPicture = ControlKind::PictureBox;
const pages::ControlDefinition kControls[] = {
    Control(kPicture, "top", 10, 150, 40, 20).OnLeftButtonDown(TopPressed),
    Control(kPicture, "under", 30, 150, 40, 20).OnLeftButtonDown(UnderPressed),
    Control(ControlKind::CheckBox, "box", 20, 20, 120, 24)
        .Text("勾选")
        .Colours(pages::kWhite, pages::kPageBlue)
        .TabStop()
        .OnLeftButtonDown(BoxPressed)
        .OnClickChanged(BoxClicked),
    Control(kPicture, "button", 200, 20, 65, 22).HandPointer().OnLeftButtonDown(ButtonPressed),
    Control(kPicture, "disabled", 200, 60, 65, 22).Disabled().OnLeftButtonDown(DisabledPressed),
    Control(ControlKind::Timer, "timer", 0, 0, 10, 10).Hidden().OnTimerTick(Tick),
    Control(ControlKind::EditBox, "edit", 20, 100, 120, 24).Text("C:\\路径\\").Sunken().Colours(0, pages::kWhite),
    Control(ControlKind::Label, "label", 150, 100, 60, 20),
    Control(kPicture, "far", 700, 10, 65, 22),
};
const pages::PageDefinition kTestPage = {
    Page::Welcome,           300,  200,     "测试页",  pages::kPageBlue,    nullptr,
    gui::PictureMode::Tiled, true, Created, kControls, std::size(kControls)};

const pages::ControlDefinition kOtherControls[] = {Control(kPicture, "button", 10, 10, 65, 22)};
const pages::PageDefinition kOtherPage = {
    Page::Directory,         200,  100,     "其他",         pages::kPageBlue,         nullptr,
    gui::PictureMode::Tiled, true, nullptr, kOtherControls, std::size(kOtherControls)};

class GuiRuntime : public ::testing::Test {
protected:
    void SetUp() override {
        g = Record();
        ASSERT_TRUE(gui::SetPageTable({&kTestPage, &kOtherPage, nullptr, nullptr}));
        ASSERT_TRUE(gui::LoadPage(Page::Welcome));
        page_ = gui::PageWindow(Page::Welcome);
        ASSERT_NE(page_, nullptr);
        RunEventsFor(100);
    }
    POINT At(const char* control) { return CentreOf(gui::ControlWindow(Page::Welcome, control)); }
    HWND page_ = nullptr;
};

TEST_F(GuiRuntime, PageIsBuiltHiddenThenShownCentredAndActive) {
    EXPECT_EQ(g.created, 1);
    EXPECT_FALSE(g.visibleInCreated);
    EXPECT_TRUE(IsWindowVisible(page_));
    EXPECT_EQ(GetForegroundWindow(), page_);
    RECT r;
    GetWindowRect(page_, &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 200);
    const LONG_PTR style = GetWindowLongPtrW(page_, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CHILD), 0);
    EXPECT_EQ(GetWindow(page_, GW_OWNER), nullptr);
    wchar_t caption[32] = {};
    GetWindowTextW(page_, caption, 32);
    EXPECT_STREQ(caption, L"测试页");
    // A timer is never shown; other controls are, even off the page.
    EXPECT_FALSE(IsWindowVisible(gui::ControlWindow(Page::Welcome, "timer")));
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "far", Property::Visible), 1);
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "timer", Property::Visible), 0);
}

TEST_F(GuiRuntime, FirstListedControlIsTopMost) {
    HWND child = GetWindow(page_, GW_CHILD);
    for (const auto& def : kControls) {
        ASSERT_EQ(child, gui::ControlWindow(Page::Welcome, def.name)) << def.name;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    // A press where "top" covers "under" reaches "top" only.
    ClickAt(ScreenPoint(page_, 40, 160));
    EXPECT_EQ(g.top, 1);
    EXPECT_EQ(g.under, 0);
}

TEST_F(GuiRuntime, CheckBoxPressSeesStateBeforeClickAndClickEventTheStateAfter) {
    ClickAt(At("box"));
    EXPECT_EQ(g.boxCheckedAtPress, std::vector<int>({0}));
    EXPECT_EQ(g.boxCheckedAfterClick, std::vector<int>({1}));
    WaitOutDoubleClick();
    ClickAt(At("box"));
    EXPECT_EQ(g.boxCheckedAtPress, std::vector<int>({0, 1}));
    EXPECT_EQ(g.boxCheckedAfterClick, std::vector<int>({1, 0}));
}

TEST_F(GuiRuntime, PressReleasedOutsideTheBoxLeavesItAndRaisesNoClickEvent) {
    PressLeft(At("box"));
    ReleaseLeft(ScreenPoint(page_, 250, 150));
    EXPECT_EQ(g.boxCheckedAtPress.size(), 1u);
    EXPECT_TRUE(g.boxCheckedAfterClick.empty());
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "box", Property::Checked), 0);
}

TEST_F(GuiRuntime, SpaceTogglesTheFocusedBoxWithoutAnyEvent) {
    ClickAt(At("box"));
    ASSERT_EQ(GetFocus(), gui::ControlWindow(Page::Welcome, "box"));
    TapKey(VK_SPACE);
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "box", Property::Checked), 0);
    EXPECT_EQ(g.boxCheckedAtPress.size(), 1u);
    EXPECT_EQ(g.boxCheckedAfterClick.size(), 1u);
    // The next mouse click is judged on its own: it ticks the box again.
    WaitOutDoubleClick();
    ClickAt(At("box"));
    EXPECT_EQ(g.boxCheckedAfterClick, std::vector<int>({1, 1}));
}

TEST_F(GuiRuntime, PressOnDisabledControlRaisesNothingUntilEnabled) {
    ClickAt(At("disabled"));
    EXPECT_EQ(g.disabled, 0);
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "disabled", Property::Disabled), 1);
    gui::WriteProperty(Page::Welcome, "disabled", Property::Disabled, 7);  // any nonzero disables
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "disabled", Property::Disabled), 1);
    gui::WriteProperty(Page::Welcome, "disabled", Property::Disabled, 0);
    WaitOutDoubleClick();
    ClickAt(At("disabled"));
    EXPECT_EQ(g.disabled, 1);
}

TEST_F(GuiRuntime, SecondPressOfADoubleClickRaisesNoLeftButtonDown) {
    ClickAt(At("button"));
    ClickAt(At("button"));
    EXPECT_EQ(g.button, 1);
    WaitOutDoubleClick();
    ClickAt(At("button"));
    EXPECT_EQ(g.button, 2);
}

TEST_F(GuiRuntime, GeometryWritesClampAndKeepTheRest) {
    struct Case {
        Property property;
        int written, read;
    } cases[] = {
        {Property::Width, -5, 0},       {Property::Width, 40000, 32627},  {Property::Width, 90, 90},
        {Property::Left, 40000, 32627}, {Property::Left, -40000, -32627}, {Property::Left, -12, -12},
        {Property::Height, -1, 0},      {Property::Top, 32628, 32627},
    };
    for (const Case& c : cases) {
        gui::WriteProperty(Page::Welcome, "button", Property::Left, 200);
        gui::WriteProperty(Page::Welcome, "button", Property::Top, 20);
        gui::WriteProperty(Page::Welcome, "button", Property::Width, 65);
        gui::WriteProperty(Page::Welcome, "button", Property::Height, 22);
        gui::WriteProperty(Page::Welcome, "button", c.property, c.written);
        EXPECT_EQ(gui::ReadProperty(Page::Welcome, "button", c.property), c.read) << c.written;
        for (Property other : {Property::Left, Property::Top, Property::Width, Property::Height}) {
            if (other == c.property)
                continue;
            const int expected = other == Property::Left    ? 200
                                 : other == Property::Top   ? 20
                                 : other == Property::Width ? 65
                                                            : 22;
            EXPECT_EQ(gui::ReadProperty(Page::Welcome, "button", other), expected) << c.written;
        }
    }
}

TEST_F(GuiRuntime, TextIsNullWhenEmptyAndRoundTripsChinese) {
    host::Text edit = gui::ReadProperty(Page::Welcome, "edit", TextProperty::Text);
    EXPECT_STREQ(edit.Get(), "C:\\路径\\");
    wchar_t shown[32] = {};
    GetWindowTextW(gui::ControlWindow(Page::Welcome, "edit"), shown, 32);
    EXPECT_STREQ(shown, L"C:\\路径\\");

    EXPECT_TRUE(gui::ReadProperty(Page::Welcome, "label", TextProperty::Text).IsNull());
    gui::WriteProperty(Page::Welcome, "label", TextProperty::Text, "源目录");
    EXPECT_STREQ(gui::ReadProperty(Page::Welcome, "label", TextProperty::Text).Get(), "源目录");
    gui::WriteProperty(Page::Welcome, "edit", TextProperty::Text, nullptr);
    EXPECT_TRUE(gui::ReadProperty(Page::Welcome, "edit", TextProperty::Text).IsNull());
}

TEST_F(GuiRuntime, TimerPeriodStartsKeepsAndStopsTicks) {
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "timer", Property::TimerPeriod), 0);
    RunEventsFor(100);
    EXPECT_EQ(g.ticks, 0);

    gui::WriteProperty(Page::Welcome, "timer", Property::TimerPeriod, 1);
    RunEventsFor(200);
    EXPECT_GT(g.ticks, 0);
    gui::WriteProperty(Page::Welcome, "timer", Property::TimerPeriod, 1);
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "timer", Property::TimerPeriod), 1);

    gui::WriteProperty(Page::Welcome, "timer", Property::TimerPeriod, -3);  // counts as 0: stops
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "timer", Property::TimerPeriod), 0);
    RunEventsFor(50);
    g.ticks = 0;
    RunEventsFor(200);
    EXPECT_EQ(g.ticks, 0);

    // Writing the running period again does not restart the timer: the tick still comes on time.
    gui::WriteProperty(Page::Welcome, "timer", Property::TimerPeriod, 400);
    RunEventsFor(250);
    gui::WriteProperty(Page::Welcome, "timer", Property::TimerPeriod, 400);
    RunEventsFor(300);
    EXPECT_EQ(g.ticks, 1);
}

TEST_F(GuiRuntime, DestroyedPageStaysUsableUntilTheRequestIsTaken) {
    gui::DestroyPage(Page::Welcome);
    EXPECT_TRUE(IsWindowVisible(page_));
    gui::WriteProperty(Page::Welcome, "box", Property::Checked, 1);
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "box", Property::Checked), 1);
    EXPECT_STREQ(gui::ReadProperty(Page::Welcome, "edit", TextProperty::Text).Get(), "C:\\路径\\");
    gui::ProcessPendingEvents();
    EXPECT_FALSE(IsWindow(page_));
    EXPECT_EQ(gui::PageWindow(Page::Welcome), nullptr);
    // Not open any more: geometry reads give the definition's values.
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "button", Property::Left), 200);
}

TEST_F(GuiRuntime, LoadingAnOpenPageRaisesNoSecondCreated) {
    ASSERT_TRUE(gui::LoadPage(Page::Directory));
    EXPECT_EQ(GetForegroundWindow(), gui::PageWindow(Page::Directory));
    ASSERT_TRUE(gui::LoadPage(Page::Welcome));
    EXPECT_EQ(g.created, 1);
    EXPECT_EQ(gui::PageWindow(Page::Welcome), page_);
    EXPECT_EQ(GetForegroundWindow(), page_);
}

TEST_F(GuiRuntime, DestroyThenLoadRebuildsThePageFromItsDefinition) {
    gui::WriteProperty(Page::Welcome, "box", Property::Checked, 1);
    gui::DestroyPage(Page::Welcome);
    ASSERT_TRUE(gui::LoadPage(Page::Welcome));
    EXPECT_EQ(g.created, 2);
    EXPECT_FALSE(IsWindow(page_));
    EXPECT_EQ(gui::ReadProperty(Page::Welcome, "box", Property::Checked), 0);
    gui::ProcessPendingEvents();  // the old request finds no page to take
    EXPECT_NE(gui::PageWindow(Page::Welcome), nullptr);
}

// Handlers for the event-loop test below: rebuilding the only open page must not end the loop.
int g_loopTicks = 0;
void RebuildThenClose() {
    if (++g_loopTicks == 1) {
        gui::DestroyPage(Page::Welcome);
        gui::LoadPage(Page::Welcome);
    } else {
        gui::DestroyPage(Page::Welcome);
    }
}
const pages::ControlDefinition kLoopControls[] = {
    Control(ControlKind::Timer, "timer", 0, 0, 1, 1).Hidden().Period(10).OnTimerTick(RebuildThenClose)};
const pages::PageDefinition kLoopPage = {
    Page::Welcome, 100,     100,           "loop", pages::kPageBlue, nullptr, gui::PictureMode::Tiled,
    true,          nullptr, kLoopControls, 1};

TEST(GuiEventLoop, LastPageGoneEndsTheLoopWithCodeZeroButARebuildDoesNot) {
    ASSERT_TRUE(gui::SetPageTable({&kLoopPage, nullptr, nullptr, nullptr}));
    ASSERT_TRUE(gui::LoadPage(Page::Welcome));
    EXPECT_EQ(gui::RunEventLoop(), 0);
    EXPECT_EQ(g_loopTicks, 2);
    EXPECT_EQ(gui::PageWindow(Page::Welcome), nullptr);
}

TEST_F(GuiRuntime, CloseRequestDestroysThePageAtOnceAndEndsTheLoop) {
    PostMessageW(page_, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(page_, WM_KEYDOWN, VK_RETURN, 0);
    RunEventsFor(50);
    ASSERT_TRUE(IsWindow(page_));
    testsupport::PostAltF4(page_);
    EXPECT_EQ(gui::RunEventLoop(), 0);
    EXPECT_FALSE(IsWindow(page_));
}

TEST_F(GuiRuntime, PendingEventsRunButTheQuitRequestStaysQueued) {
    PostMessageW(gui::ControlWindow(Page::Welcome, "button"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(gui::ControlWindow(Page::Welcome, "disabled"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostQuitMessage(3);
    gui::ProcessPendingEvents();
    EXPECT_EQ(g.button, 1);
    EXPECT_EQ(g.disabled, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

// Message box: found from a timer while it runs its own loop, checked, then answered.
struct BoxVisit {
    UINT press;
    HWND page;
    POINT button;
    int step = 0;
    bool pageDisabled = false;
    std::wstring caption;
};
BoxVisit* g_visit = nullptr;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (IsWindowVisible(hwnd) && wcscmp(cls, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK VisitBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    if (g_visit->step++ == 0) {
        g_visit->pageDisabled = !IsWindowEnabled(g_visit->page);
        wchar_t caption[32] = {};
        GetWindowTextW(box, caption, 32);
        g_visit->caption = caption;
        // A real click on the page behind the box.
        SetCursorPos(g_visit->button.x, g_visit->button.y);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof(INPUT));
        return;
    }
    KillTimer(nullptr, id);
    SendMessageW(GetDlgItem(box, static_cast<int>(g_visit->press)), BM_CLICK, 0, 0);
}

TEST_F(GuiRuntime, MessageBoxAnswersAndDisablesThePagesWhileOpen) {
    struct Case {
        int buttons;
        const char* caption;
        UINT press;
        int answer;
        const wchar_t* shownCaption;
    } cases[] = {
        {4, "提示", IDYES, 5, L"提示"},
        {4, "提示", IDNO, 6, L"提示"},
        {0, nullptr, IDOK, 0, L"信息："},
    };
    for (const Case& c : cases) {
        BoxVisit visit{c.press, page_, At("button"), 0, false, L""};
        g_visit = &visit;
        g.button = 0;
        SetTimer(nullptr, 0, 150, VisitBox);
        EXPECT_EQ(gui::ShowMessageBox("您确定要退出安装?", c.buttons, c.caption), c.answer);
        EXPECT_TRUE(visit.pageDisabled);
        EXPECT_EQ(visit.caption, c.shownCaption);
        RunEventsFor(50);
        EXPECT_EQ(g.button, 0) << "a press reached the page behind the box";
        EXPECT_TRUE(IsWindowEnabled(page_));
        WaitOutDoubleClick();
    }
}

TEST_F(GuiRuntime, CreatedHandlerWritesShowOnThePageAtOnce) {
    // The same page rebuilt with a Created handler that moves a control and starts the timer.
    static auto created = [] { gui::WriteProperty(Page::Directory, "button", Property::Left, 100); };
    static const pages::PageDefinition page = {
        Page::Directory,         200,  100,      "其他",         pages::kPageBlue,         nullptr,
        gui::PictureMode::Tiled, true, +created, kOtherControls, std::size(kOtherControls)};
    ASSERT_TRUE(gui::SetPageTable({&kTestPage, &page, nullptr, nullptr}));
    ASSERT_TRUE(gui::LoadPage(Page::Directory));
    HWND other = gui::PageWindow(Page::Directory);
    EXPECT_TRUE(IsWindowVisible(other));
    EXPECT_EQ(gui::ReadProperty(Page::Directory, "button", Property::Left), 100);
}

}  // namespace
