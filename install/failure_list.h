// Collects what could not be written during a step, so that the user is told once, at the end of
// the step, instead of once per item.
#pragma once

#include <string>
#include <vector>

namespace install {

class FailureList {
public:
    // Records `item` when `ok` is 0 and passes `ok` on, so callers can write `ok &= list.Check(...)`.
    int Check(int ok, const std::string& item);
    void Add(const std::string& item) { items_.push_back(item); }
    bool Empty() const { return items_.empty(); }
    std::size_t Size() const { return items_.size(); }
    // `heading`, then one line per item; a long list is cut short with a count of the rest.
    std::string Message(const char* heading) const;
    // Shows Message(heading) in an error box (caption "错误") when anything was recorded.
    void TellOnce(const char* heading) const;

private:
    std::vector<std::string> items_;
};

}  // namespace install
