// Removal of the uninstaller's own file. A running program cannot delete its own file, so the
// uninstaller copies itself to the temporary directory and lets the copy (the helper) do the work
// once the original process has ended. The helper in turn asks Windows to delete its file at the
// next restart.
#pragma once

#include <windows.h>

namespace uninstaller {

// The command-line switch that marks the helper; the original's process handle and process id
// follow as decimal numbers.
extern const wchar_t kHelperSwitch[];

// Copies this program to the temporary directory and starts the copy as the helper, handing it an
// inherited handle of this process to wait on. False if the copy cannot be made or started.
bool StartHelperCopy();

// The original's process handle if the command line is the helper's: the switch, then a handle of
// a process whose id is the given one. Null for anything else, so that no stray handle is taken
// for the original.
HANDLE HelperOriginalProcess(int argc, wchar_t** argv);

// Waits until the original process has ended (at most a minute: a hung original only means that
// its file cannot be deleted, which the report then says). False if the handle is not a valid one.
bool WaitForOriginal(HANDLE original);

// Asks Windows to delete this program's file at the next restart.
bool ScheduleOwnDeletion();

}  // namespace uninstaller
