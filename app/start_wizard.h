// The program's start routine.
#pragma once

namespace app {

// Prepares the GUI layer, opens WelcomePage and runs the event loop until the last page is gone.
// Returns 0.
int StartWizard();

}  // namespace app
