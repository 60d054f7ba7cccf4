// The install step, run when ProgressPage is built: start the progress bar, write the two
// payload executables into the install directory and record the uninstall entry. Every write is
// tried whatever failed before; what failed is told once, before the page is shown.

#include "app/handlers.h"
#include "app/shared_state.h"
#include "app/web_addresses.h"
#include "host/fs.h"
#include "host/registry.h"
#include "host/text.h"
#include "install/failure_list.h"
#include "install/payload_store.h"
#include "install/progress.h"

namespace {

const int kLocalMachine = 4;
#define UNINSTALL_KEY "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Nubrel\\"

// The uninstall entry names the default directory whatever InstallDirectory holds.
struct RegistryValue {
    const char* path;  // key + "\" + value name
    const char* value;
};
const RegistryValue kUninstallEntry[] = {
    {UNINSTALL_KEY "DisplayIcon", "C:\\Program Files\\zavrin\\Brindlowen.exe"},
    {UNINSTALL_KEY "DisplayName", "Brindlowen"},
    {UNINSTALL_KEY "DisplayVersion", "1.3"},
    {UNINSTALL_KEY "UninstallString", "C:\\Program Files\\zavrin\\uninst.exe"},
    {UNINSTALL_KEY "Publisher", "Brindlo"},
    {UNINSTALL_KEY "URLInfoAbout", web::kUrlInfoAbout},
};

int WritePayload(const char* fileName, const host::ByteSet& payload, install::FailureList& failures) {
    // Joined as they stand: InstallDirectory carries its own trailing "\".
    host::Text path = host::ConcatText(app::InstallDirectory.Str(), fileName);
    return failures.Check(host::WriteFileBytes(path.Str(), {&payload}), path.Str());
}

}  // namespace

namespace handlers {

void ProgressCreated() {
    install::StartProgress();

    install::FailureList failures;
    int ok = 1;
    ok &= WritePayload("Brindlowen.exe", ApplicationPayload, failures);
    ok &= WritePayload("uninst.exe", UninstallerPayload, failures);
    for (const RegistryValue& entry : kUninstallEntry) {
        const int written = host::WriteRegistryText(kLocalMachine, entry.path, entry.value);
        if (!written)
            failures.Add(host::ConcatText("HKEY_LOCAL_MACHINE\\", entry.path));
        ok &= written;
    }
    // Told here, while the page is still being built: the box is task-modal, so the user reads it
    // before the progress page appears, and the failure is never mistaken for a finished install.
    // Deferring it behind the first timer tick would show it over a bar already claiming progress.
    if (!ok)
        failures.TellOnce("安装没有完成，以下文件或注册表值未能写入：");
}

}  // namespace handlers
