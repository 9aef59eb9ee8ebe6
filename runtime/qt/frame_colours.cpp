#include "runtime/qt/frame_colours.h"

namespace tessel::runtime::qt {
namespace {

// The classic grey frame with its blue title bar, which the program shows while the palette is
// Qt's own (no desktop gave one, or GTK's light Adwaita, which gives the same).
const FrameColours kClassic = {
    .face = QColor(0xC0, 0xC0, 0xC0),
    .light = QColor(0xFF, 0xFF, 0xFF),
    .shadow = QColor(0x80, 0x80, 0x80),
    .dark_shadow = QColor(0x00, 0x00, 0x00),
    .glyph = QColor(0x00, 0x00, 0x00),
    .active = {QColor(0x00, 0x00, 0x80), QColor(0x10, 0x84, 0xD0), QColor(0xFF, 0xFF, 0xFF)},
    .inactive = {QColor(0x80, 0x80, 0x80), QColor(0xB0, 0xB0, 0xB0), QColor(0xC0, 0xC0, 0xC0)},
};

// Qt's own light palette, in the roles the frame takes its colours from.
bool IsQtsOwnPalette(const QPalette& p) {
  const auto is = [&p](QPalette::ColorGroup group, QPalette::ColorRole role, QRgb rgb) {
    return p.color(group, role).rgb() == rgb;
  };
  constexpr QPalette::ColorGroup kActive = QPalette::Active;
  return is(kActive, QPalette::Button, 0xFFEFEFEF) && is(kActive, QPalette::Light, 0xFFFFFFFF) &&
         is(kActive, QPalette::Dark, 0xFF9F9F9F) && is(kActive, QPalette::Mid, 0xFFB8B8B8) &&
         is(kActive, QPalette::Shadow, 0xFF767676) &&
         is(kActive, QPalette::ButtonText, 0xFF000000) &&
         is(kActive, QPalette::Highlight, 0xFF308CC6) &&
         is(kActive, QPalette::HighlightedText, 0xFFFFFFFF) &&
         is(QPalette::Disabled, QPalette::WindowText, 0xFFBEBEBE);
}

}  // namespace

// From the active group whatever the window's state, so that a window waiting behind the modal
// window keeps its look: only its title bar tells that it is not the active one, with the
// palette's greyed text.
FrameColours FrameColoursOf(const QPalette& palette) {
  if (IsQtsOwnPalette(palette)) return kClassic;
  const auto c = [&palette](QPalette::ColorRole role) {
    return palette.color(QPalette::Active, role);
  };
  return {
      .face = c(QPalette::Button),
      .light = c(QPalette::Light),
      .shadow = c(QPalette::Dark),
      .dark_shadow = c(QPalette::Shadow),
      .glyph = c(QPalette::ButtonText),
      // The selection's colour, lightening towards the close box as the classic one does.
      .active = {c(QPalette::Highlight), c(QPalette::Highlight).lighter(125),
                 c(QPalette::HighlightedText)},
      // The frame's own shades with greyed text.
      .inactive = {c(QPalette::Dark), c(QPalette::Mid),
                   palette.color(QPalette::Disabled, QPalette::WindowText)},
  };
}

}  // namespace tessel::runtime::qt
