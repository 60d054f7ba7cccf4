// The GUI layer's set-up and exit path, used by the program's start routine and by tests. The
// handlers never need these: they speak only the vocabulary of gui/runtime.h.
#pragma once

#include <windows.h>

#include "pages/definitions.h"

namespace gui {

// Initialises OLE on this thread (once per process), makes the executable's directory the current
// directory and registers the layer's window classes.
void InitializeLayer();

// Installs the page definitions that LoadPage builds from. Returns false, installing nothing, when
// the table cannot be used (no page at all, a page without size, a control without name or with a
// name used twice on its page).
bool SetPageTable(const pages::PageTable& table);

// The clean-up routine run once by the exit path; registering replaces the one held before.
void SetCleanupRoutine(void (*routine)());

// Runs the event loop while a page is open and returns the quit request's code; returns 0 at once
// when no page is open.
int RunEventLoop();

// The exit path: clean-up routine (once), release of the layer's resources and OLE, then the end
// of the process with `code`.
[[noreturn]] void RunExitPath(int code);

// The code of the quit request that ended the event loop, 0 when none did.
int QuitCode();

// The window of an open page, or of one of its controls; null when not open or not defined.
HWND PageWindow(Page page);
HWND ControlWindow(Page page, const char* control);

}  // namespace gui
