#pragma once

#include <cstdint>

#include "runtime/descriptions/system_colour.h"

namespace tessel::runtime {

// A desktop's colour scheme by the roles the windows take their colours from, each 0xRRGGBB.
// The roles are those a Qt palette has, so that the Linux program reads them from the desktop's
// palette and the page from the scheme the browser asks for, and both make the same of them.
struct Palette {
  std::uint32_t window = 0;
  std::uint32_t window_text = 0;
  std::uint32_t base = 0;  // behind text a user reads
  std::uint32_t text = 0;
  std::uint32_t button = 0;
  std::uint32_t button_text = 0;
  std::uint32_t light = 0;
  std::uint32_t mid = 0;
  std::uint32_t dark = 0;
  std::uint32_t shadow = 0;
  std::uint32_t highlight = 0;
  std::uint32_t highlighted_text = 0;
  std::uint32_t disabled_text = 0;  // a disabled window's text
};

// Qt's own light palette, which stands for no scheme at all (GTK's light Adwaita gives the same):
// what the program shows where the desktop gives none, and the page where the browser asks for
// no dark scheme.
inline constexpr Palette kPlainPalette = {
    .window = 0xEFEFEF,
    .window_text = 0x000000,
    .base = 0xFFFFFF,
    .text = 0x000000,
    .button = 0xEFEFEF,
    .button_text = 0x000000,
    .light = 0xFFFFFF,
    .mid = 0xB8B8B8,
    .dark = 0x9F9F9F,
    .shadow = 0x767676,
    .highlight = 0x308CC6,
    .highlighted_text = 0xFFFFFF,
    .disabled_text = 0xBEBEBE,
};

// The page's dark scheme: a desktop's dark palette, grey faces with light text.
inline constexpr Palette kDarkPalette = {
    .window = 0x353535,
    .window_text = 0xFFFFFF,
    .base = 0x232323,
    .text = 0xFFFFFF,
    .button = 0x353535,
    .button_text = 0xFFFFFF,
    .light = 0x505050,
    .mid = 0x282828,
    .dark = 0x1B1B1B,
    .shadow = 0x000000,
    .highlight = 0x2A82DA,
    .highlighted_text = 0xFFFFFF,
    .disabled_text = 0x7F7F7F,
};

// The system colours a window may store, in the order they are listed to the page.
inline constexpr descriptions::SystemColour kSystemColours[] = {
    descriptions::SystemColour::kWindow,     descriptions::SystemColour::kWindowText,
    descriptions::SystemColour::kHighlight,  descriptions::SystemColour::kHighlightText,
    descriptions::SystemColour::kButtonFace, descriptions::SystemColour::kButtonShadow,
    descriptions::SystemColour::kButtonText, descriptions::SystemColour::kButtonHighlight,
};

// One role of a palette, as the member that holds it.
using PaletteRole = std::uint32_t Palette::*;

// The role a system colour takes its colour from.
PaletteRole RoleOf(descriptions::SystemColour colour);

// What the self-drawn tool-window frame is painted with, each 0xRRGGBB.
struct FrameColours {
  std::uint32_t face = 0;
  std::uint32_t light = 0;
  std::uint32_t shadow = 0;
  std::uint32_t dark_shadow = 0;
  std::uint32_t glyph = 0;  // the close box's cross
  struct Caption {
    std::uint32_t from = 0;  // the title bar's gradient, from the left
    std::uint32_t to = 0;
    std::uint32_t text = 0;
  };
  Caption active;
  Caption inactive;
};

// The frame in the colours of a palette, so that a dark scheme gives dark frames; the plain
// palette keeps the classic grey frame with its blue title bar. From the active colours whatever
// the window's state, so that a window waiting behind a modal one keeps its look: only its title
// bar tells that it is not the active one.
FrameColours FrameColoursOf(const Palette& palette);

// The colour made lighter by `percent` (125: a quarter) in brightness, as Qt's QColor::lighter
// makes it: past full brightness it loses saturation instead.
std::uint32_t Lighter(std::uint32_t rgb, int percent);

}  // namespace tessel::runtime
