// Observing processes that the test did not start itself (the uninstaller's helper copy) and
// answering the message boxes of any process.
#pragma once

#include <windows.h>

#include <string>

namespace producttest {

struct FoundProcess {
    DWORD pid = 0;
    std::wstring exeName;  // file name only, as the process list gives it
};

// The first process whose parent is parentPid, waiting up to timeoutMs for one to appear.
FoundProcess FindChildProcess(DWORD parentPid, DWORD timeoutMs);

// The first visible top-level window of the process, waiting up to timeoutMs.
HWND WaitForProcessWindow(DWORD pid, DWORD timeoutMs);

// The message text of a message box.
std::wstring MessageBoxText(HWND box);

// Presses a message box's button (IDYES, IDNO, IDOK).
void AnswerMessageBox(HWND box, int buttonId);

}  // namespace producttest
