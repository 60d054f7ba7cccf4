#include "gui/fonts.h"

namespace gui {

namespace {
HFONT g_yaHei = nullptr;
HFONT g_defaultGui = nullptr;

// A CJK character set lets the font mapper find a Chinese face whatever the system code page is;
// on a code page 936 system it is what the default character set resolves to anyway.
HFONT MakeYaHei() {
    return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, L"微软雅黑");
}

HFONT MakeDefaultGui() {
    LOGFONTW font = {};
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font))
        return nullptr;
    font.lfCharSet = GB2312_CHARSET;
    return CreateFontIndirectW(&font);
}
}  // namespace

HFONT FontFor(pages::Font font) {
    if (font == pages::Font::YaHei) {
        if (!g_yaHei)
            g_yaHei = MakeYaHei();
        return g_yaHei;
    }
    if (!g_defaultGui)
        g_defaultGui = MakeDefaultGui();
    return g_defaultGui ? g_defaultGui : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void ReleaseFonts() {
    if (g_yaHei)
        DeleteObject(g_yaHei);
    if (g_defaultGui)
        DeleteObject(g_defaultGui);
    g_yaHei = g_defaultGui = nullptr;
}

}  // namespace gui
