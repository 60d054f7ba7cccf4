// Building one control of a page from its definition. Internal to gui/.
#pragma once

#include "gui/open_pages.h"

namespace gui {

// Creates the control's window as a hidden child of the page (disabled when its definition says
// so), with its text, font, picture and initial state, and appends it to the page's controls.
// Returns false when the window cannot be created.
bool BuildControl(OpenPage& page, const pages::ControlDefinition& def);

}  // namespace gui
