#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/core/window_spec.h"

namespace tessel::runtime::qt {

// The runtime's UTF-8 as Qt's text.
inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Registers the substitutes for faces the system may lack; once per process.
void InstallFontSubstitutes();

QFont ToQFont(const ResolvedFont& resolved);

// A fixed colour as it is; a system colour from the application palette, so that it follows
// the user's colour scheme.
QColor ToQColor(Colour colour);

// Changes a system colour for the windows built from now on.
void SetSystemColour(std::uint32_t index, QColor colour);

// A picture decoded by Qt's image reader for its kind; null when the bytes do not read.
QPixmap DecodePicture(const PictureSpec& picture);

}  // namespace tessel::runtime::qt
