// The finish step behind ProgressPage's Finish: a desktop shortcut and a Start-menu folder with a
// copy of the install tree, as the two check boxes ask, then the end of the program.
#include <windows.h>

#include "app/handlers.h"
#include "gui/runtime.h"
#include "host/shell.h"
#include "host/text.h"
#include "install/copy_tree.h"
#include "install/failure_list.h"

using gui::Page;
using gui::Property;
using gui::TextProperty;

namespace {

const int kDesktopDirectory = 3;
// The shortcut always names the default install directory.
const char kShortcutTarget[] = "C:\\Program Files\\zavrin\\Brindlowen.exe";
const char kShortcutDescription[] = "看美文，就选Brindlo！";

int Checked(const char* box) {
    return gui::ReadProperty(Page::Progress, box, Property::Checked);
}

void MakeDesktopShortcut(install::FailureList& failures) {
    host::Text desktop = host::GetSpecialFolder(kDesktopDirectory);
    host::Text link = host::ConcatText(desktop.Str(), "\\Brindlowen");
    desktop = host::Text();
    if (!host::CreateShortcut(link.Str(), kShortcutTarget, kShortcutDescription))
        failures.Add(host::ConcatText("桌面快捷方式 ", link.Str()));
}

// False when the program is ending under the copy and the page must not be touched again.
bool MakeStartMenuFolder(install::FailureList& failures) {
    SECURITY_ATTRIBUTES security;
    ZeroMemory(&security, sizeof(security));
    host::Text folder = gui::ReadProperty(Page::Progress, "编辑框1", TextProperty::Text);
    if (!CreateDirectoryA(folder.Str(), &security) && GetLastError() != ERROR_ALREADY_EXISTS) {
        failures.Add(folder.Str());
    }
    folder = host::Text();

    host::Text source = gui::ReadProperty(Page::Progress, "编辑框3", TextProperty::Text);
    host::Text target = gui::ReadProperty(Page::Progress, "编辑框2", TextProperty::Text);
    return install::CopyTree(source, target, failures);
}

}  // namespace

namespace handlers {

void ProgressFinish() {
    // The copy lets pending events run, among them further presses of Finish. The step runs once:
    // those presses are ignored, and so is any press after the page's destruction was requested.
    static bool finishing = false;
    if (finishing)
        return;
    finishing = true;

    install::FailureList failures;
    if (Checked("选择框1") == 1)
        MakeDesktopShortcut(failures);
    if (Checked("选择框2") == 1 && !MakeStartMenuFolder(failures))
        return;
    // Told before the destruction request: the box runs messages while it is open, and taking
    // that request would end the program underneath it.
    failures.TellOnce("以下快捷方式或文件未能创建：");

    gui::DestroyPage(Page::Progress);
    if (Checked("选择框1") == 0)
        gui::ExitProgram(0);
    if (Checked("选择框2") == 0)
        gui::ExitProgram(0);
}

}  // namespace handlers
