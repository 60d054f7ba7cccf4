// The layer's start and end: OLE and the current directory at start; the clean-up routine,
// release of resources and the process exit at the end.
#include <ole2.h>
#include <windows.h>

#include "gui/fonts.h"
#include "gui/layer.h"
#include "gui/runtime.h"
#include "gui/window_classes.h"
#include "host/dbcs.h"
#include "host/shell_library.h"
#include "host/text.h"

namespace gui {

namespace {

bool g_oleInitialized = false;
void (*g_cleanup)() = nullptr;
bool g_cleanupRan = false;

// The directory of the running executable, with its trailing backslash ("C:\" for a root).
host::Text ExecutableDirectory() {
    for (DWORD room = MAX_PATH;; room *= 2) {
        host::Text path = host::AllocateText(room);
        char* chars = host::MutableBytes(path);
        const DWORD length = GetModuleFileNameA(nullptr, chars, room);
        if (length == 0)
            return host::Text();
        if (length < room) {
            // Cut after the last backslash that is a character of its own: in code page 936 the
            // second byte of a Chinese character in the file name may be 0x5C too.
            const char* slash = host::FindLastSingleByte(chars, "\\");
            if (!slash)
                return host::Text();
            chars[slash - chars + 1] = '\0';
            return path;
        }
    }
}

}  // namespace

void InitializeLayer() {
    if (!g_oleInitialized)
        g_oleInitialized = SUCCEEDED(OleInitialize(nullptr));
    const host::Text directory = ExecutableDirectory();
    if (!directory.Empty())
        SetCurrentDirectoryA(directory.Str());
    RegisterWindowClasses();
}

void SetCleanupRoutine(void (*routine)()) {
    g_cleanup = routine;
}

void RunExitPath(int code) {
    if (g_cleanup && !g_cleanupRan) {
        g_cleanupRan = true;
        g_cleanup();
    }
    ReleaseFonts();
    if (g_oleInitialized) {
        g_oleInitialized = false;
        OleUninitialize();
    }
    host::ReleaseShellLibrary();
    ExitProcess(static_cast<UINT>(code));
}

void ExitProgram(int code) {
    RunExitPath(code);
}

}  // namespace gui
