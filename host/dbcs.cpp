#include "host/dbcs.h"

#include <cstring>

namespace host {

const char* FindLastSingleByte(const char* text, const char* bytes) {
    const char* found = nullptr;
    if (!text)
        return found;
    for (const char* p = text; *p; ++p) {
        if (static_cast<unsigned char>(*p) >= 0x80) {
            if (!p[1])
                break;
            ++p;  // the trail byte is part of the character, never a separator
            continue;
        }
        if (std::strchr(bytes, *p))
            found = p;
    }
    return found;
}

}  // namespace host
