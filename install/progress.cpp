// The progress animation. It measures no work: the bar widens by 5 pixels per tick until it is
// 10 pixels narrower than its ruler, then the timer stops. The arithmetic is done in double
// precision and truncated toward zero when written back, as the page's geometry has always been.
#include "install/progress.h"

#include "app/handlers.h"
#include "gui/runtime.h"

using gui::Page;
using gui::Property;

namespace install {

namespace {
const double kInset = 5.0;        // bar's left edge inside the ruler
const double kStep = 5.0;         // growth per tick
const double kMargin = 10.0;      // the full bar is this much narrower than the ruler
const double kTolerance = -1e-7;  // lower bound of (width - full width) at which the bar is full
const int kPeriod = 1;            // milliseconds: as fast as the platform's timer goes
}  // namespace

void StartProgress() {
    const double left = static_cast<double>(gui::ReadProperty(Page::Progress, "分组框1", Property::Left)) + kInset;
    gui::WriteProperty(Page::Progress, "标签1", Property::Left, static_cast<int>(left));
    gui::WriteProperty(Page::Progress, "时钟1", Property::TimerPeriod, kPeriod);
}

}  // namespace install

namespace handlers {

void ProgressTimerTick() {
    const double full =
        static_cast<double>(gui::ReadProperty(Page::Progress, "分组框1", Property::Width)) - install::kMargin;
    const double width = static_cast<double>(gui::ReadProperty(Page::Progress, "标签1", Property::Width));
    if (width - full >= install::kTolerance) {
        gui::WriteProperty(Page::Progress, "时钟1", Property::TimerPeriod, 0);
        return;
    }
    const double wider =
        static_cast<double>(gui::ReadProperty(Page::Progress, "标签1", Property::Width)) + install::kStep;
    gui::WriteProperty(Page::Progress, "标签1", Property::Width, static_cast<int>(wider));
}

}  // namespace handlers
