#include "install/failure_list.h"

#include <windows.h>

#include "gui/runtime.h"

namespace install {

namespace {
// Enough lines to name the usual failures, few enough that the box fits on the screen.
const std::size_t kShownItems = 12;
}  // namespace

int FailureList::Check(int ok, const char* item) {
    if (!ok)
        Add(item);
    return ok;
}

host::Text FailureList::Message(const char* heading) const {
    host::Text text = host::Text::Copy(heading);
    for (std::size_t i = 0; i < items_.Size() && i < kShownItems; ++i)
        text = host::ConcatText(text.Str(), "\r\n", items_[i].Str());
    if (items_.Size() > kShownItems) {
        const host::Text rest = host::DecimalText(items_.Size() - kShownItems);
        text = host::ConcatText(text.Str(), "\r\n……另有 ", rest.Str());
        text = host::ConcatText(text.Str(), " 项");
    }
    return text;
}

void FailureList::TellOnce(const char* heading) const {
    if (Empty())
        return;
    gui::ShowMessageBox(Message(heading).Str(), MB_ICONERROR, "错误");
}

}  // namespace install
