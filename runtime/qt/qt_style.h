#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <cstdint>
#include <vector>

#include "runtime/core/window_spec.h"

namespace tessel::runtime::qt {

// Registers the substitutes for faces the system may lack; once per process.
void InstallFontSubstitutes();

QFont ToQFont(const FontRecord& record);

// A fixed colour as it is; a system colour from the application palette, so that it follows
// the user's colour scheme.
QColor ToQColor(Colour colour);

// Changes a system colour for the windows built from now on.
void SetSystemColour(std::uint32_t index, QColor colour);

// Icon, cursor or bitmap file bytes, decoded by Qt's image readers; null when they do not read.
QPixmap DecodePicture(const std::vector<std::uint8_t>& file);

}  // namespace tessel::runtime::qt
