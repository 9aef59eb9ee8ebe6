#include "runtime/qt/frame_colours.h"

namespace tessel::runtime::qt {
namespace {

struct RoleInQt {
  PaletteRole role;
  QPalette::ColorRole qt_role;
  QPalette::ColorGroup group;
};

// From the active group, but for the text of a disabled window.
constexpr RoleInQt kRoles[] = {
    {&Palette::window, QPalette::Window, QPalette::Active},
    {&Palette::window_text, QPalette::WindowText, QPalette::Active},
    {&Palette::base, QPalette::Base, QPalette::Active},
    {&Palette::text, QPalette::Text, QPalette::Active},
    {&Palette::button, QPalette::Button, QPalette::Active},
    {&Palette::button_text, QPalette::ButtonText, QPalette::Active},
    {&Palette::light, QPalette::Light, QPalette::Active},
    {&Palette::mid, QPalette::Mid, QPalette::Active},
    {&Palette::dark, QPalette::Dark, QPalette::Active},
    {&Palette::shadow, QPalette::Shadow, QPalette::Active},
    {&Palette::highlight, QPalette::Highlight, QPalette::Active},
    {&Palette::highlighted_text, QPalette::HighlightedText, QPalette::Active},
    {&Palette::disabled_text, QPalette::WindowText, QPalette::Disabled},
};

}  // namespace

QPalette::ColorRole QtRoleOf(PaletteRole role) {
  for (const RoleInQt& r : kRoles) {
    if (r.role == role) return r.qt_role;
  }
  return QPalette::Window;
}

Palette PaletteOf(const QPalette& palette) {
  Palette p;
  for (const RoleInQt& r : kRoles) p.*r.role = palette.color(r.group, r.qt_role).rgb() & 0xFFFFFF;
  return p;
}

}  // namespace tessel::runtime::qt
