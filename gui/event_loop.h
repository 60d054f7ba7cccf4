// The event loop and the input routing shared by it and ProcessPendingEvents. Internal to gui/.
#pragma once

#include <windows.h>

namespace gui {

// True while RunEventLoop is running: only then does the last page's destruction post the quit.
bool EventLoopRunning();

// Raises the events a message leads to for its page's controls, around dispatching it.
void RouteAndDispatch(MSG& msg);

}  // namespace gui
