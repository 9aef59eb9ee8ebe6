#pragma once

#include "program/resources/rgb_image.h"

namespace tessel::resources {

inline constexpr int kAboutWidth = 110;
inline constexpr int kAboutHeight = 153;

// Draws the information window's cartoon figure in coloured pencil on white paper: spiky
// yellow-green hair with a tuft, a round white face, a grey-lavender tunic with a golden heart,
// light-blue legs and a pale shadow on the ground. Every call gives the same pixels.
RgbImage DrawAboutFigure();

}  // namespace tessel::resources
