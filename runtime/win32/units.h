#pragma once

#include <cmath>

namespace tessel::runtime::win32 {

// Lengths cross the backend interface in twips, 1440 to the inch; at 96 dots per inch that is
// 15 twips to the pixel. Halves round away from zero, as the stored layout expects.
inline int ToPixels(int twips, int dots_per_inch) {
  return static_cast<int>(std::lround(twips * static_cast<double>(dots_per_inch) / 1440.0));
}

// A font's size is stored in 1/10000 point; the font is asked for by character height, so the
// height comes out negative: 9.75 pt at 96 dots per inch is -13.
inline int FontHeight(unsigned size, int dots_per_inch) {
  return -static_cast<int>(std::lround(size / 10000.0 * dots_per_inch / 72.0));
}

}  // namespace tessel::runtime::win32
