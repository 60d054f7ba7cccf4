// What the setup wizard creates, and therefore the only things the uninstaller removes.
#pragma once

namespace uninstaller {

// The install directory, with its trailing backslash.
extern const wchar_t kInstallDirectory[];
// The Start-menu folder that receives a copy of the install directory, without trailing backslash.
extern const wchar_t kStartMenuFolder[];
// The two program files, in the install directory and in the Start-menu folder.
extern const wchar_t* const kProgramFiles[2];
// The uninstall entry, a key under HKEY_LOCAL_MACHINE.
extern const wchar_t kUninstallKey[];
// The shortcut's file name in the user's desktop directory.
extern const wchar_t kDesktopLinkName[];

}  // namespace uninstaller
