// An installation as the wizard leaves it, laid out by the test itself in the Wine prefix: the two
// programs in the install directory, the six uninstall values, the desktop shortcut and the
// Start-menu folder with its copies of the two programs.
#pragma once

#include <string>
#include <vector>

namespace producttest {

extern const wchar_t kInstallDir[];    // with trailing backslash
extern const wchar_t kStartMenuDir[];  // without
extern const wchar_t kUninstallKey[];  // under HKEY_LOCAL_MACHINE
extern const wchar_t* const kProgramNames[2];

// Lays out the installation with the programs of the test build; returns an error text or "".
std::string LayOutInstallation();
// Removes whatever an installation or a test left behind (extra files included).
void RemoveInstallationLeftovers();

std::wstring DesktopLinkPath();
bool PathExists(const std::wstring& path);
bool UninstallKeyExists();
// Every file, folder, link and key of the installation, with whether it still exists.
std::vector<std::pair<std::wstring, bool>> InstallationItems();

}  // namespace producttest
