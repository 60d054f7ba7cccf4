// The GUI layer's vocabulary. Handlers use only these operations; they never touch a window.
#pragma once

#include "host/text.h"

namespace gui {

enum class Page { Welcome, Directory, Follow, Progress };

// Integer properties. `Left`/`Width` writes clamp as documented in runtime.cpp.
enum class Property { Left, Top, Width, Height, Visible, Disabled, Checked, TimerPeriod };
// The one text property.
enum class TextProperty { Text };

// Builds the page hidden, raises Created, then shows and activates it. Returns true when the page
// is open afterwards. An open page not marked for destruction is only brought to the front.
bool LoadPage(Page page);
// Marks an open page for destruction and posts the request; the page goes when it is taken from
// the queue. Fatal error when the page is not open.
void DestroyPage(Page page);

// `control` names a control of the page by its definition name; null or "" names the page itself.
int ReadProperty(Page page, const char* control, Property property);
void WriteProperty(Page page, const char* control, Property property, int value);
host::Text ReadProperty(Page page, const char* control, TextProperty property);
void WriteProperty(Page page, const char* control, TextProperty property, const char* value);

// A task-modal message box without owner; `caption` null gives "信息：". Returns the answer code:
// OK 0, Cancel 1, Abort 2, Retry 3, Ignore 4, Yes 5, No 6, anything else 0.
int ShowMessageBox(const char* text, int buttons, const char* caption = nullptr);
// Runs the waiting messages (leaving a waiting quit request in the queue), then returns.
void ProcessPendingEvents();
// Runs the clean-up routine once, releases the layer's resources and ends the process.
[[noreturn]] void ExitProgram(int code);

}  // namespace gui
