// Collects what could not be written during a step, so that the user is told once, at the end of
// the step, instead of once per item.
#pragma once

#include <cstddef>

#include "host/memory.h"
#include "host/text.h"

namespace install {

class FailureList {
public:
    // Records a copy of `item` when `ok` is 0 and passes `ok` on, so callers can write
    // `ok &= list.Check(...)`.
    int Check(int ok, const char* item);
    void Add(const char* item) { items_.Append(host::Text::Copy(item)); }
    void Add(host::Text item) { items_.Append(static_cast<host::Text&&>(item)); }
    bool Empty() const { return items_.Empty(); }
    std::size_t Size() const { return items_.Size(); }
    // `heading`, then one line per item; a long list is cut short with a count of the rest.
    host::Text Message(const char* heading) const;
    // Shows Message(heading) in an error box (caption "错误") when anything was recorded.
    void TellOnce(const char* heading) const;

private:
    host::List<host::Text> items_;
};

}  // namespace install
