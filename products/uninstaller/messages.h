// The uninstaller's dialogue with the user.
#pragma once

#include "uninstaller/removal.h"

namespace uninstaller {

// Asks whether to remove the program; true for Yes.
bool ConfirmRemoval();

// Tells the user how the removal ended: the items that could not be removed, or success (naming
// folders kept because they hold other files).
void ShowOutcome(const RemovalReport& report);

}  // namespace uninstaller
