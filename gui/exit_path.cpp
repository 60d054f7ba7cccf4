// The layer's start and end: OLE and the current directory at start; the clean-up routine,
// release of resources and the process exit at the end.
#include <ole2.h>
#include <windows.h>

#include <string>

#include "gui/fonts.h"
#include "gui/layer.h"
#include "gui/runtime.h"
#include "gui/window_classes.h"

namespace gui {

namespace {

bool g_oleInitialized = false;
void (*g_cleanup)() = nullptr;
bool g_cleanupRan = false;

// The directory of the running executable, with its trailing backslash ("C:\" for a root).
std::string ExecutableDirectory() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

void InitializeLayer() {
    if (!g_oleInitialized)
        g_oleInitialized = SUCCEEDED(OleInitialize(nullptr));
    const std::string directory = ExecutableDirectory();
    if (!directory.empty())
        SetCurrentDirectoryA(directory.c_str());
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
    ExitProcess(static_cast<UINT>(code));
}

void ExitProgram(int code) {
    RunExitPath(code);
}

}  // namespace gui
