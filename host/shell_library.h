// shell32.dll, loaded on first use by its System32 path. The program does not import it: shell32
// and the libraries it pulls in would be loaded and initialised before the first page appears,
// while only the folder picker, the special folders and web addresses need it.
#pragma once

namespace host {

// The address of shell32's export `name`, or null when the library cannot be loaded or has no
// such export.
void* ShellExport(const char* name);

// ShellExport as a pointer to a function of type F.
template <typename F>
F ShellFunction(const char* name) {
    return reinterpret_cast<F>(ShellExport(name));
}

// Frees the library if it was loaded; a later ShellExport loads it again.
void ReleaseShellLibrary();

}  // namespace host
