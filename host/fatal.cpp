#include "host/fatal.h"

#include <windows.h>

namespace host {

namespace {

// Appends `s` to the buffer as far as it fits, without cutting a double-byte character in two.
// Returns the new end.
char* AppendBounded(char* end, const char* limit, const char* s) {
    while (*s) {
        int width = static_cast<unsigned char>(*s) >= 0x80 && s[1] ? 2 : 1;
        if (end + width > limit)
            break;
        for (int i = 0; i < width; ++i)
            *end++ = *s++;
    }
    return end;
}

}  // namespace

void FatalError(const char* message) {
    // Built on the stack: the error may be that the heap is exhausted.
    char text[2048];
    const char* const limit = text + sizeof(text) - 1;
    char* end = AppendBounded(text, limit - 2, "运行时出错!\r\n\r\n错误信息：");
    end = AppendBounded(end, limit - 2, message ? message : "");
    end = AppendBounded(end, limit, "\r\n");
    *end = '\0';
    MessageBoxA(nullptr, text, "错误", MB_ICONERROR);
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace host
