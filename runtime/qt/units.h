#pragma once

#include <cmath>

namespace tessel::runtime::qt {

// The backend lays windows out at 96 dots per inch: 15 twips to the pixel.
inline constexpr int kDotsPerInch = 96;

inline int ToPixels(int twips) {
  return static_cast<int>(std::lround(twips * static_cast<double>(kDotsPerInch) / 1440.0));
}

// Font sizes are stored in 1/10000 point; 9.75 pt is 13 pixels.
inline int PointsToPixels(unsigned size) {
  return static_cast<int>(std::lround(size / 10000.0 * kDotsPerInch / 72.0));
}

}  // namespace tessel::runtime::qt
