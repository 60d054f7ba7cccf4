// Keeps the program from loading DLLs planted beside it (an installer usually runs from a
// Downloads folder full of other files).
#pragma once

namespace app {

// Restricts the DLL search of every later load to System32, and loads msimg32.dll, which theme
// code may load by bare name, from there. Call first thing in WinMain.
void RestrictDllSearchToSystem32();

}  // namespace app
