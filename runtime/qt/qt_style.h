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

// A picture decoded by Qt's image reader for its kind; null when the bytes do not read.
QPixmap DecodePicture(const PictureSpec& picture);

}  // namespace tessel::runtime::qt
