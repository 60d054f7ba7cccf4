// Process entry of the setup wizard: the start routine, then the exit path with the code of the
// quit request that ended the event loop. The command line is not read.
#include <windows.h>

#include "app/dll_search.h"
#include "app/start_wizard.h"
#include "gui/layer.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    app::RestrictDllSearchToSystem32();
    app::StartWizard();
    gui::RunExitPath(gui::QuitCode());
}
