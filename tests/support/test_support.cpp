#include "support/test_support.h"

#include <algorithm>
#include <vector>

namespace testsupport {

std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string BuiltExe(const std::string& relativePath) {
    return WinePath(std::string(BRINDLOWEN_BINARY_DIR) + "/" + relativePath);
}

ChildProcess::~ChildProcess() {
    if (info_.hProcess) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 0xDEAD);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool ChildProcess::Start(const std::string& exe, const std::string& commandTail, const std::string& workDir) {
    std::string command = "\"" + exe + "\"";
    if (!commandTail.empty()) command += " " + commandTail;
    std::vector<char> buffer(command.begin(), command.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    return CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workDir.empty() ? nullptr : workDir.c_str(), &startup, &info_) != 0;
}

namespace {
struct WindowSearch {
    DWORD pid;
    const std::string* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !IsWindowVisible(hwnd)) return TRUE;
    if (!search->title->empty()) {
        char text[256] = {};
        GetWindowTextA(hwnd, text, sizeof(text));
        if (*search->title != text) return TRUE;
    }
    search->found = hwnd;
    return FALSE;
}
}  // namespace

HWND ChildProcess::WaitForWindow(const std::string& title, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    for (;;) {
        WindowSearch search = {info_.dwProcessId, &title, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        if (WaitForSingleObject(info_.hProcess, 20) == WAIT_OBJECT_0) return nullptr;
    }
}

DWORD ChildProcess::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void PumpMessagesFor(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        PumpMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

void PostAltF4(HWND hwnd) {
    // Alt held: bit 29 (context code) of lParam; F4 scan code 0x3E.
    const LPARAM down = 1 | (0x3E << 16) | (1 << 29);
    const LPARAM up = down | (1u << 30) | (1u << 31);
    PostMessageA(hwnd, WM_SYSKEYDOWN, VK_F4, down);
    PostMessageA(hwnd, WM_SYSKEYUP, VK_F4, up);
}

}  // namespace testsupport
