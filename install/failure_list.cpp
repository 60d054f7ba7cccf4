#include "install/failure_list.h"

#include <windows.h>

#include "gui/runtime.h"

namespace install {

namespace {
// Enough lines to name the usual failures, few enough that the box fits on the screen.
const std::size_t kShownItems = 12;
}  // namespace

int FailureList::Check(int ok, const std::string& item) {
    if (!ok)
        Add(item);
    return ok;
}

std::string FailureList::Message(const char* heading) const {
    std::string text = heading;
    for (std::size_t i = 0; i < items_.size() && i < kShownItems; ++i)
        text += "\r\n" + items_[i];
    if (items_.size() > kShownItems) {
        text += "\r\n……另有 " + std::to_string(items_.size() - kShownItems) + " 项";
    }
    return text;
}

void FailureList::TellOnce(const char* heading) const {
    if (Empty())
        return;
    gui::ShowMessageBox(Message(heading).c_str(), MB_ICONERROR, "错误");
}

}  // namespace install
