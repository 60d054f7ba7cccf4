// The layer's bookkeeping: the installed page definitions and the set of open pages with the
// live state of their controls. Internal to gui/.
#pragma once

#include <windows.h>

#include "gui/picture.h"
#include "host/memory.h"
#include "pages/definitions.h"

namespace gui {

struct ControlState {
    const pages::ControlDefinition* def = nullptr;
    HWND hwnd = nullptr;
    Picture picture;
    HBRUSH backBrush = nullptr;
    bool ownsBrush = false;
    int timerPeriod = 0;
    bool timerVisible = false;  // a timer keeps its Visible value without ever being shown
    int checkedAtPress = -1;    // check box state seen when a mouse press reached it, -1 when none
};

struct OpenPage {
    Page id = Page::Welcome;
    const pages::PageDefinition* def = nullptr;
    HWND hwnd = nullptr;
    bool destroyRequested = false;
    Picture background;
    HBRUSH backBrush = nullptr;
    host::List<ControlState> controls;  // definition order; reserved up front, never reallocated
};

// The installed definition of a page, null when the program does not define it.
const pages::PageDefinition* DefinitionOf(Page page);
// The index of a named control in its page's definition, -1 when there is none.
int ControlIndex(const pages::PageDefinition& def, const char* name);

OpenPage* FindOpenPage(Page page);
OpenPage* PageOfWindow(HWND hwnd);
ControlState* ControlOfWindow(HWND hwnd);
// Adds a page being built; the set owns it until ForgetPage.
OpenPage* AddOpenPage(Page page, const pages::PageDefinition* def);
void ForgetPage(OpenPage* page);
bool AnyPageOpen();

// Releases the pictures and brushes of a page and its controls (not its windows).
void ReleasePageResources(OpenPage& page);

COLORREF EffectiveColour(COLORREF colour);
HBRUSH BrushFor(COLORREF colour, bool* owned);

}  // namespace gui
