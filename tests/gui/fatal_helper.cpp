// A program that provokes one fatal error of the GUI layer, chosen by its argument, so that a
// test can watch the error box and the exit code from outside.
#include <cstring>

#include "gui/layer.h"
#include "gui/runtime.h"
#include "pages/definitions.h"

namespace {
const pages::ControlDefinition kControls[] = {
    pages::Control(pages::ControlKind::CheckBox, "box", 10, 10, 100, 24),
};
const pages::PageDefinition kPage = {
    gui::Page::Welcome, 200, 100, "fatal", pages::kPageBlue, nullptr, gui::PictureMode::Tiled, true, nullptr,
    kControls,          1};
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !gui::SetPageTable({&kPage, nullptr, nullptr, nullptr}))
        return 2;
    const char* scenario = argv[1];
    if (!std::strcmp(scenario, "destroy-not-open"))
        gui::DestroyPage(gui::Page::Welcome);
    if (!std::strcmp(scenario, "checked-not-open"))
        gui::ReadProperty(gui::Page::Welcome, "box", gui::Property::Checked);
    if (!std::strcmp(scenario, "text-after-destroy")) {
        gui::LoadPage(gui::Page::Welcome);
        gui::DestroyPage(gui::Page::Welcome);
        gui::ProcessPendingEvents();
        gui::WriteProperty(gui::Page::Welcome, "box", gui::TextProperty::Text, "x");
    }
    if (!std::strcmp(scenario, "undefined-page"))
        gui::ReadProperty(gui::Page::Progress, "box", gui::Property::Left);
    if (!std::strcmp(scenario, "unknown-control"))
        gui::ReadProperty(gui::Page::Welcome, "nothing", gui::Property::Left);
    if (!std::strcmp(scenario, "exit-program"))
        gui::ExitProgram(0);
    return 3;
}
