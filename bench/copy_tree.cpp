// Times CopyTree over a tree, as the finish step runs it: ProgressPage open (from a small page table
// holding only the controls the copy and the progress timer use) and 时钟1 ticking every
// millisecond. Prints the copy's time in microseconds, the ticks that arrived during it and the
// number of failures. Usage: bench_copy_tree SOURCE TARGET (Windows paths).
#include <windows.h>

#include <cstdio>

#include "gui/layer.h"
#include "gui/runtime.h"
#include "host/text.h"
#include "install/copy_tree.h"
#include "install/failure_list.h"
#include "pages/definitions.h"

namespace {

using pages::Control;
using pages::ControlKind;

int ticks = 0;
void CountTick() {
    ++ticks;
}

const pages::ControlDefinition kProgressControls[] = {
    Control(ControlKind::CheckBox, "选择框3", 656, 208, 88, 24).Text("选择框").Checked(false),
    Control(ControlKind::Label, "标签3", 576, 128, 48, 24).Text("源目录"),
    Control(ControlKind::Timer, "时钟1", 600, 96, 26, 26).Hidden().OnTimerTick(CountTick),
    Control(ControlKind::Label, "标签1", 20, 79, 5, 8).Back(pages::kWhite),
    Control(ControlKind::GroupBox, "分组框1", 20, 64, 440, 30).Hidden(),
};
const pages::PageDefinition kProgress = pages::Page480x240(gui::Page::Progress, nullptr, nullptr, kProgressControls);
const pages::PageTable kTable = {nullptr, nullptr, nullptr, &kProgress};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_copy_tree SOURCE TARGET\n");
        return 2;
    }
    gui::InitializeLayer();
    if (!gui::SetPageTable(kTable) || !gui::LoadPage(gui::Page::Progress))
        return 1;
    gui::ProcessPendingEvents();

    host::Text source = host::Text::Copy(argv[1]);
    host::Text target = host::Text::Copy(argv[2]);
    install::FailureList failures;
    gui::WriteProperty(gui::Page::Progress, "时钟1", gui::Property::TimerPeriod, 1);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const bool finished = install::CopyTree(source, target, failures);
    QueryPerformanceCounter(&end);
    if (!finished)
        return 1;
    std::printf("%lld %d %u\n", (end.QuadPart - start.QuadPart) * 1000000LL / frequency.QuadPart, ticks,
                static_cast<unsigned>(failures.Size()));
    std::fflush(stdout);
    gui::DestroyPage(gui::Page::Progress);
    gui::ProcessPendingEvents();
    return failures.Empty() ? 0 : 1;
}
