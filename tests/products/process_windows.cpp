#include "products/process_windows.h"

#include <tlhelp32.h>

namespace producttest {

FoundProcess FindChildProcess(DWORD parentPid, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot != INVALID_HANDLE_VALUE) {
            PROCESSENTRY32W entry = {};
            entry.dwSize = sizeof(entry);
            for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
                if (entry.th32ParentProcessID == parentPid && entry.th32ProcessID != parentPid) {
                    CloseHandle(snapshot);
                    return {entry.th32ProcessID, entry.szExeFile};
                }
            }
            CloseHandle(snapshot);
        }
        if (GetTickCount() - start > timeoutMs)
            return {};
        Sleep(50);
    }
}

namespace {
struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

HWND WaitForProcessWindow(DWORD pid, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        Search search = {pid, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

std::wstring MessageBoxText(HWND box) {
    // The text of a message box is the static control with id 0xFFFF.
    wchar_t text[2048] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 2048);
    return text;
}

void AnswerMessageBox(HWND box, int buttonId) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

}  // namespace producttest
