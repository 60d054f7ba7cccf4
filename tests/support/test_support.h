// Helpers shared by the test executables: Wine path conversion, starting the built programs as
// separate processes, finding their windows, pumping messages, waiting for exit codes.
#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// "Z:\..." form of a Unix path, as Wine maps the host file system on drive Z.
std::string WinePath(const std::string& unixPath);

// Full Windows path of an executable built by this project, given its path below the build dir.
std::string BuiltExe(const std::string& relativePath);

// A program started with CreateProcessA; the handles are closed by the destructor and a process
// still running then is terminated, so a failed test never leaves a wizard behind.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // commandTail is appended after the quoted exe path; workDir may be empty for the current one.
    bool Start(const std::string& exe, const std::string& commandTail = "", const std::string& workDir = "");
    DWORD Pid() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // The first visible top-level window of the process whose title matches (any title when empty).
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs) const;
    // Exit code, or STILL_ACTIVE when the process is still running after timeoutMs.
    DWORD WaitForExit(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION info_ = {};
};

// Runs the calling thread's message queue until it is empty.
void PumpMessages();
// Runs the message queue for the given time.
void PumpMessagesFor(DWORD ms);

// Posts the key message pair that Alt+F4 produces to a window.
void PostAltF4(HWND hwnd);

}  // namespace testsupport
