// Page definitions: the fixed description of every page and of each of its controls, in stacking
// order (the first control listed is the top-most). The GUI layer builds a fresh page from these
// records each time the page is loaded.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "gui/picture.h"
#include "gui/runtime.h"
#include "pages/artwork.h"

namespace pages {

using Handler = void (*)();

enum class ControlKind { PictureBox, EditBox, CheckBox, TransparentLabel, Label, GroupBox, Timer };
enum class Pointer { Arrow, Hand };
enum class Border { None, Sunken };
// "微软雅黑" at a character height of 12 pixels, or the platform's default GUI font.
enum class Font { DefaultGui, YaHei };

// Stands for the platform's button-face colour where a back colour is expected.
constexpr COLORREF kDefaultColour = 0xFFFFFFFF;
constexpr COLORREF kPageBlue = RGB(106, 186, 223);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct ControlDefinition {
    ControlKind kind;
    const char* name;
    int left, top, width, height;
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    Pointer pointer = Pointer::Arrow;
    const char* text = "";
    COLORREF textColour = kBlack;
    COLORREF backColour = kDefaultColour;
    Font font = Font::DefaultGui;
    const artwork::Bytes* picture = nullptr;
    gui::PictureMode pictureMode = gui::PictureMode::Normal;
    Border border = Border::None;
    bool checked = false;   // check box
    bool readOnly = false;  // edit box
    int timerPeriod = 0;    // timer, milliseconds
    Handler leftButtonDown = nullptr;
    Handler timerTick = nullptr;
    // Check box only: raised once a mouse click has been completed on the box and has changed its
    // state (never for keyboard toggles, nor for a press released outside the box).
    Handler clickChanged = nullptr;

    // Builders, so that each table row reads as the control's description.
    constexpr ControlDefinition Hidden() const { return With(&ControlDefinition::visible, false); }
    constexpr ControlDefinition Disabled() const { return With(&ControlDefinition::disabled, true); }
    constexpr ControlDefinition TabStop() const { return With(&ControlDefinition::tabStop, true); }
    constexpr ControlDefinition HandPointer() const { return With(&ControlDefinition::pointer, Pointer::Hand); }
    constexpr ControlDefinition Text(const char* t) const { return With(&ControlDefinition::text, t); }
    constexpr ControlDefinition Colours(COLORREF textC, COLORREF backC) const {
        return With(&ControlDefinition::textColour, textC).With(&ControlDefinition::backColour, backC);
    }
    constexpr ControlDefinition Back(COLORREF c) const { return With(&ControlDefinition::backColour, c); }
    constexpr ControlDefinition YaHei() const { return With(&ControlDefinition::font, Font::YaHei); }
    constexpr ControlDefinition Picture(const artwork::Bytes& bytes, gui::PictureMode mode) const {
        return With(&ControlDefinition::picture, &bytes).With(&ControlDefinition::pictureMode, mode);
    }
    constexpr ControlDefinition Sunken() const { return With(&ControlDefinition::border, Border::Sunken); }
    constexpr ControlDefinition Checked(bool on) const { return With(&ControlDefinition::checked, on); }
    constexpr ControlDefinition ReadOnly() const { return With(&ControlDefinition::readOnly, true); }
    constexpr ControlDefinition Period(int ms) const { return With(&ControlDefinition::timerPeriod, ms); }
    constexpr ControlDefinition OnLeftButtonDown(Handler h) const {
        return With(&ControlDefinition::leftButtonDown, h);
    }
    constexpr ControlDefinition OnTimerTick(Handler h) const { return With(&ControlDefinition::timerTick, h); }
    constexpr ControlDefinition OnClickChanged(Handler h) const { return With(&ControlDefinition::clickChanged, h); }

private:
    template <typename T, typename V>
    constexpr ControlDefinition With(T ControlDefinition::*field, V value) const {
        ControlDefinition copy = *this;
        copy.*field = value;
        return copy;
    }
};

constexpr ControlDefinition Control(ControlKind kind, const char* name, int left, int top, int width, int height) {
    return ControlDefinition{kind, name, left, top, width, height};
}

// Every page is a borderless, unowned top-level window with a task-bar button, centred on the
// primary screen. Enter, Escape and F1 have no page-level meaning on any page.
struct PageDefinition {
    gui::Page page;
    int width, height;
    const char* text;
    COLORREF backColour;
    const artwork::Bytes* background;
    gui::PictureMode backgroundMode;
    bool visible;
    Handler created;
    const ControlDefinition* controls;
    std::size_t controlCount;
};

// A page as every page of the wizard is: 480 x 240, caption "Brindlowen", PageBlue, shown when
// built, its background picture (if any) tiled. Small page tables of tests use it too.
template <std::size_t N>
constexpr PageDefinition Page480x240(gui::Page page,
                                     const artwork::Bytes* background,
                                     Handler created,
                                     const ControlDefinition (&controls)[N]) {
    return PageDefinition{page,    480,      240, "Brindlowen", kPageBlue, background, gui::PictureMode::Tiled, true,
                          created, controls, N};
}

// One definition per page, indexed by gui::Page; a null entry is a page the program does not define.
using PageTable = std::array<const PageDefinition*, 4>;

// The wizard's four pages.
const PageTable& ProgramPages();

}  // namespace pages
