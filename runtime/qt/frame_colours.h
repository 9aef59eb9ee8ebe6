#pragma once

#include <QPalette>

#include "runtime/core/palette.h"

namespace tessel::runtime::qt {

// The Qt palette's colour for one of the runtime's palette roles (a disabled window's text: the
// disabled group's window text).
QPalette::ColorRole QtRoleOf(PaletteRole role);

// A Qt palette in the runtime's roles, so that the frames and system colours make of the
// desktop's palette what the runtime makes of any.
Palette PaletteOf(const QPalette& palette);

}  // namespace tessel::runtime::qt
