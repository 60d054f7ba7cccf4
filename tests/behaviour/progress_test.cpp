// The progress bar on a real ProgressPage driven by its real timer: where it starts, where it
// stops, and that the timer stays stopped.
#include <gtest/gtest.h>

#include "app/handlers.h"
#include "behaviour/test_pages.h"
#include "gui/runtime.h"
#include "install/progress.h"

using gui::Page;
using gui::Property;
using namespace behaviourtest;

struct BarCase {
    int rulerWidth;
    int finalWidth;
    int ticks;  // widening ticks plus the one that stops the timer
};

class ProgressBar : public ::testing::TestWithParam<BarCase> {};

namespace {

int Read(const char* control, Property property) {
    return gui::ReadProperty(Page::Progress, control, property);
}

}  // namespace

TEST_P(ProgressBar, GrowsByFiveUntilItReachesTheRulerLessTenThenStops) {
    const BarCase c = GetParam();
    UseTestPages();
    ASSERT_TRUE(gui::LoadPage(Page::Progress));
    gui::WriteProperty(Page::Progress, "分组框1", Property::Width, c.rulerWidth);
    ResetTickCount();

    install::StartProgress();
    EXPECT_EQ(Read("标签1", Property::Left), 25);
    EXPECT_EQ(Read("时钟1", Property::TimerPeriod), 1);

    for (int waited = 0; waited < 20000 && Read("时钟1", Property::TimerPeriod) != 0; waited += 50)
        RunEventsFor(50);
    ASSERT_EQ(Read("时钟1", Property::TimerPeriod), 0) << "the timer never stopped";
    EXPECT_EQ(Read("标签1", Property::Width), c.finalWidth);
    EXPECT_EQ(TickCount(), c.ticks);

    RunEventsFor(300);
    EXPECT_EQ(TickCount(), c.ticks) << "a tick came after the stop";
    EXPECT_EQ(Read("标签1", Property::Width), c.finalWidth);
    EXPECT_EQ(Read("标签1", Property::Left), 25);
    gui::DestroyPage(Page::Progress);
    RunEventsFor(50);
}

INSTANTIATE_TEST_SUITE_P(Rulers,
                         ProgressBar,
                         ::testing::Values(BarCase{440, 430, 86},  // the page as defined: 85 widenings
                                           BarCase{442, 435, 87},  // steps overshoot the full width
                                           BarCase{15, 5, 1},      // full width already reached
                                           BarCase{12, 5, 1}),     // narrower than the start width
                         [](const ::testing::TestParamInfo<BarCase>& info) {
                             return "Ruler" + std::to_string(info.param.rulerWidth);
                         });

TEST(ProgressBarStart, PlacesTheBarOnceFromTheRulerAndLaterRulerMovesDoNotMoveIt) {
    UseTestPages();
    ASSERT_TRUE(gui::LoadPage(Page::Progress));
    gui::WriteProperty(Page::Progress, "分组框1", Property::Left, 33);
    install::StartProgress();
    EXPECT_EQ(Read("标签1", Property::Left), 38);
    gui::WriteProperty(Page::Progress, "分组框1", Property::Left, 100);
    handlers::ProgressTimerTick();
    EXPECT_EQ(Read("标签1", Property::Left), 38);
    EXPECT_EQ(Read("标签1", Property::Width), 10);
    gui::WriteProperty(Page::Progress, "时钟1", Property::TimerPeriod, 0);
    gui::DestroyPage(Page::Progress);
    RunEventsFor(50);
}
