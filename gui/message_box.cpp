// ShowMessageBox: the system message box, task-modal and without owner.
#include <windows.h>

#include "gui/display_text.h"
#include "gui/runtime.h"

namespace gui {

namespace {
constexpr int kSystemModal = 0x1000;  // MB_SYSTEMMODAL
constexpr int kTaskModal = 0x2000;    // MB_TASKMODAL: disables every top-level window of the program
}  // namespace

int ShowMessageBox(const char* text, int buttons, const char* caption) {
    const UINT style = static_cast<UINT>((buttons & kSystemModal) ? buttons : (buttons | kTaskModal));
    const host::WideText body = DisplayText(text);
    const host::WideText title = DisplayText(caption ? caption : "信息：");
    const int pressed = MessageBoxW(nullptr, body.Str(), title.Str(), style);
    // IDOK 1 .. IDNO 7 map to 0 .. 6; anything else (including a failed box) is 0.
    return (pressed >= IDOK && pressed <= IDNO) ? pressed - 1 : 0;
}

}  // namespace gui
