// Shell operations: special folders, shortcuts, the folder picker and web addresses.
#pragma once

#include "host/text.h"

namespace host {

// The special folder of `code` (3: desktop directory; see shell.cpp for the table) ending in "\",
// or null for an unknown code or a failing call.
Text GetSpecialFolder(int code);

// Creates a shell link at `linkPath` (".lnk" appended when its last component has no ".") that
// points to `target`. description, arguments and workingDirectory are optional: null means left
// out, "" means given empty. Needs the thread to be an OLE apartment. 1 or 0.
int CreateShortcut(const char* linkPath, const char* target, const char* description = nullptr,
                   const char* arguments = nullptr, const char* workingDirectory = nullptr);

// The shell's folder picker, modal to the program's windows; the chosen folder, or null when
// cancelled or not a file-system folder. includeFiles < 0 means the switch was left out.
Text BrowseForFolder(const char* title, int includeFiles = -1);

// Hands the address to the system's handler (the browser). Failures are silent.
void OpenUrl(const char* address);

}  // namespace host
