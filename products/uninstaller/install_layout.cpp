#include "uninstaller/install_layout.h"

namespace uninstaller {

const wchar_t kInstallDirectory[] = L"C:\\Program Files\\zavrin\\";
const wchar_t kStartMenuFolder[] = L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\zavrin";
const wchar_t* const kProgramFiles[2] = {L"Brindlowen.exe", L"uninst.exe"};
const wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Nubrel";
const wchar_t kDesktopLinkName[] = L"Brindlowen.lnk";

}  // namespace uninstaller
