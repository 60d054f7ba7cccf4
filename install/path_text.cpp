#include "install/path_text.h"

#include <windows.h>

namespace pathtext {

bool EndsWithBackslash(const char* path) {
    if (!path || !*path)
        return false;
    const char* last = path;
    for (const char* p = path; *p; p = CharNextA(p))
        last = p;
    return *last == '\\';
}

}  // namespace pathtext
