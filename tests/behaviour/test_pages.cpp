#include "behaviour/test_pages.h"

#include <windows.h>

#include "app/handlers.h"
#include "gui/layer.h"
#include "pages/definitions.h"

namespace behaviourtest {

namespace {

using pages::Control;
using pages::ControlDefinition;
using pages::ControlKind;

int ticks = 0;
std::vector<std::string> shown;
WNDPROC labelProc = nullptr;

void CountedTick() {
    ++ticks;
    handlers::ProgressTimerTick();
}

void ProgressCreated() {
    // Records the texts written into 标签3: the order in which the copy visits the files.
    HWND label = gui::ControlWindow(gui::Page::Progress, "标签3");
    labelProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(label, GWLP_WNDPROC));
    SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
                          if (msg == WM_SETTEXT && l)
                              shown.emplace_back(reinterpret_cast<const char*>(l));
                          return CallWindowProcA(labelProc, hwnd, msg, w, l);
                      }));
}

const ControlDefinition kProgressControls[] = {
    Control(ControlKind::CheckBox, "选择框3", 656, 208, 88, 24).Text("选择框").Checked(false),
    Control(ControlKind::Label, "标签3", 576, 128, 48, 24).Text("源目录"),
    Control(ControlKind::Timer, "时钟1", 600, 96, 26, 26).Hidden().OnTimerTick(CountedTick),
    Control(ControlKind::Label, "标签1", 20, 79, 5, 8).Back(pages::kWhite),
    Control(ControlKind::GroupBox, "分组框1", 20, 64, 440, 30).Hidden(),
};

const ControlDefinition kDirectoryControls[] = {
    Control(ControlKind::EditBox, "编辑框1", 30, 80, 420, 24).Text("C:\\Program Files\\zavrin\\").ReadOnly(),
};

const pages::PageDefinition kProgress =
    pages::Page480x240(gui::Page::Progress, nullptr, ProgressCreated, kProgressControls);
const pages::PageDefinition kDirectory = pages::Page480x240(gui::Page::Directory, nullptr, nullptr, kDirectoryControls);
const pages::PageTable kTable = {nullptr, &kDirectory, nullptr, &kProgress};

}  // namespace

void UseTestPages() {
    static bool initialised = false;
    if (!initialised)
        gui::InitializeLayer();
    initialised = true;
    gui::SetPageTable(kTable);
}

int TickCount() {
    return ticks;
}

void ResetTickCount() {
    ticks = 0;
}

void RunEventsFor(unsigned ms) {
    const DWORD start = GetTickCount();
    do {
        gui::ProcessPendingEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

const std::vector<std::string>& SourcePathsShown() {
    return shown;
}

void ForgetSourcePathsShown() {
    shown.clear();
}

}  // namespace behaviourtest
