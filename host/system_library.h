// Loading a system DLL by its full System32 path, so that no search order (and no DLL planted in
// the program's folder) decides which file is loaded.
#pragma once

#include <windows.h>

namespace host {

// LoadLibraryExW of System32\`fileName`; null when the path does not fit or the load fails.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

}  // namespace host
