// BrowseForFolder: the shell's folder dialog, made modal to every top-level window of the program.
#include <windows.h>

#include <shlobj.h>

#include "host/memory.h"
#include "host/shell.h"
#include "host/shell_library.h"

namespace host {

namespace {

struct WindowState {
    HWND window;
    BOOL enabled;
};

BOOL CALLBACK RememberAndDisable(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        reinterpret_cast<List<WindowState>*>(param)->Append({window, IsWindowEnabled(window)});
    }
    return TRUE;
}

// Disables the program's top-level windows while it lives and gives back their enabled states,
// the foreground window and the active window afterwards.
class ProgramWindowsDisabled {
public:
    ProgramWindowsDisabled() : active_(GetActiveWindow()), foreground_(GetForegroundWindow()) {
        EnumWindows(RememberAndDisable, reinterpret_cast<LPARAM>(&windows_));
        for (const WindowState& state : windows_)
            EnableWindow(state.window, FALSE);
    }
    ~ProgramWindowsDisabled() {
        for (const WindowState& state : windows_) {
            if (IsWindow(state.window))
                EnableWindow(state.window, state.enabled);
        }
        if (foreground_ && IsWindow(foreground_))
            SetForegroundWindow(foreground_);
        if (active_ && IsWindow(active_))
            SetActiveWindow(active_);
    }
    ProgramWindowsDisabled(const ProgramWindowsDisabled&) = delete;
    ProgramWindowsDisabled& operator=(const ProgramWindowsDisabled&) = delete;

private:
    HWND active_;
    HWND foreground_;
    List<WindowState> windows_;
};

}  // namespace

Text BrowseForFolder(const char* title, int includeFiles) {
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_EDITBOX;
    if (includeFiles > 0)
        info.ulFlags |= BIF_BROWSEINCLUDEFILES;  // negative: the switch was left out
    HWND active = GetActiveWindow();
    info.hwndOwner = active && IsWindow(active) ? active : nullptr;

    using BrowseFn = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA);
    using PathFromItemFn = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
    const auto browse = ShellFunction<BrowseFn>("SHBrowseForFolderA");
    const auto pathFromItem = ShellFunction<PathFromItemFn>("SHGetPathFromIDListA");
    if (!browse || !pathFromItem)
        return Text();

    LPITEMIDLIST item;
    {
        ProgramWindowsDisabled modal;
        item = browse(&info);
    }
    if (!item)
        return Text();

    Text result;
    char path[MAX_PATH] = {};
    if (pathFromItem(item, path) && path[0])
        result = Text::Copy(path);
    // The shell allocates item lists with the COM task allocator.
    CoTaskMemFree(item);
    return result;
}

}  // namespace host
