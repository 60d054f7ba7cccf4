// uninst, the uninstaller of Brindlowen. Started normally it asks for confirmation and hands the
// work to a copy of itself in the temporary directory (see self_removal.h), which removes what the
// wizard installed, reports the outcome and arranges its own deletion.
//
// Exit codes: 0 removed (or declined), 1 something could not be removed, 2 a malformed helper call.
#include <windows.h>

#include <shellapi.h>

#include "uninstaller/messages.h"
#include "uninstaller/removal.h"
#include "uninstaller/self_removal.h"

namespace {

int RemoveAndReport() {
    uninstaller::RemovalReport report = uninstaller::RemoveInstallation();
    uninstaller::ShowOutcome(report);
    return report.failed.empty() ? 0 : 1;
}

int RunHelper(HANDLE original) {
    if (!uninstaller::WaitForOriginal(original))
        return 2;
    int code = RemoveAndReport();
    uninstaller::ScheduleOwnDeletion();
    return code;
}

int RunOriginal() {
    if (!uninstaller::ConfirmRemoval())
        return 0;
    if (uninstaller::StartHelperCopy())
        return 0;
    // Without a helper the work is done here; this program's own file then stays and is reported.
    return RemoveAndReport();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    HANDLE original = argv ? uninstaller::HelperOriginalProcess(argc, argv) : nullptr;
    bool helperCall = argv && argc > 1 && lstrcmpW(argv[1], uninstaller::kHelperSwitch) == 0;
    if (argv)
        LocalFree(argv);
    if (original)
        return RunHelper(original);
    if (helperCall)
        return 2;
    return RunOriginal();
}
