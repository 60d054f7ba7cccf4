// Keeps the program from loading DLLs planted beside it (an installer usually runs from a
// Downloads folder full of other files).
#pragma once

namespace app {

// Restricts the DLL search of every later load to System32. Call first thing in WinMain.
void RestrictDllSearchToSystem32();

}  // namespace app
