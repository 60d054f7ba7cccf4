// Removal of an installation: exactly the files, folders, shortcut and registry key that the
// wizard creates, and nothing else.
#pragma once

#include <string>
#include <vector>

namespace uninstaller {

struct RemovalReport {
    // Items that were there and could not be removed.
    std::vector<std::wstring> failed;
    // Folders left in place because they still hold files that are not ours.
    std::vector<std::wstring> kept;
};

// Removes everything the wizard creates. What is already gone counts as removed.
RemovalReport RemoveInstallation();

}  // namespace uninstaller
