#include "app/start_wizard.h"

#include "app/shared_state.h"
#include "gui/layer.h"
#include "gui/runtime.h"
#include "host/fatal.h"
#include "pages/definitions.h"

namespace app {

int StartWizard() {
    gui::InitializeLayer();
    if (!gui::SetPageTable(pages::ProgramPages()))
        host::FatalError("载入窗口模板数据段出错!");
    gui::SetCleanupRoutine(ReleaseSharedState);
    if (!gui::LoadPage(gui::Page::Welcome))
        host::FatalError("载入启动窗口失败");
    gui::RunEventLoop();
    return 0;
}

}  // namespace app
