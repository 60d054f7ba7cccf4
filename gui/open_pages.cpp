#include "gui/open_pages.h"

#include <cstring>

namespace gui {

namespace {
pages::PageTable g_table = {};
host::List<OpenPage*> g_open;
}  // namespace

bool SetPageTable(const pages::PageTable& table) {
    bool any = false;
    for (const pages::PageDefinition* def : table) {
        if (!def)
            continue;
        any = true;
        if (def->width <= 0 || def->height <= 0)
            return false;
        if (def->controlCount && !def->controls)
            return false;
        for (std::size_t i = 0; i < def->controlCount; ++i) {
            const char* name = def->controls[i].name;
            if (!name || !*name)
                return false;
            if (ControlIndex(*def, name) != static_cast<int>(i))
                return false;
        }
    }
    if (!any)
        return false;
    g_table = table;
    return true;
}

const pages::PageDefinition* DefinitionOf(Page page) {
    const auto index = static_cast<std::size_t>(page);
    return index < g_table.size() ? g_table[index] : nullptr;
}

int ControlIndex(const pages::PageDefinition& def, const char* name) {
    for (std::size_t i = 0; i < def.controlCount; ++i) {
        if (std::strcmp(def.controls[i].name, name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

OpenPage* FindOpenPage(Page page) {
    for (auto& open : g_open) {
        if (open->id == page)
            return open;
    }
    return nullptr;
}

OpenPage* PageOfWindow(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    for (auto& open : g_open) {
        if (open->hwnd == hwnd)
            return open;
    }
    return nullptr;
}

ControlState* ControlOfWindow(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    for (auto& open : g_open) {
        for (auto& control : open->controls) {
            if (control.hwnd == hwnd)
                return &control;
        }
    }
    return nullptr;
}

OpenPage* AddOpenPage(Page page, const pages::PageDefinition* def) {
    OpenPage* open = new (host::AllocateBlock(1, sizeof(OpenPage))) OpenPage();
    open->id = page;
    open->def = def;
    open->controls.Reserve(def->controlCount);
    g_open.Append(open);
    return open;
}

void ForgetPage(OpenPage* page) {
    for (std::size_t i = 0; i < g_open.Size(); ++i) {
        if (g_open[i] == page) {
            g_open.RemoveAt(i);
            page->~OpenPage();
            host::ReleaseBlock(page);
            return;
        }
    }
}

bool AnyPageOpen() {
    return !g_open.Empty();
}

void ReleasePageResources(OpenPage& page) {
    for (auto& control : page.controls) {
        FreePicture(control.picture);
        if (control.ownsBrush && control.backBrush)
            DeleteObject(control.backBrush);
        control.backBrush = nullptr;
    }
    FreePicture(page.background);
    if (page.backBrush)
        DeleteObject(page.backBrush);
    page.backBrush = nullptr;
}

COLORREF EffectiveColour(COLORREF colour) {
    return colour == pages::kDefaultColour ? GetSysColor(COLOR_BTNFACE) : colour;
}

HBRUSH BrushFor(COLORREF colour, bool* owned) {
    if (colour == pages::kDefaultColour) {
        *owned = false;
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    *owned = true;
    return CreateSolidBrush(colour);
}

}  // namespace gui
