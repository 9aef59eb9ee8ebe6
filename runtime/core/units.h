#pragma once

#include <cmath>
#include <cstdint>

namespace tessel::runtime {

// Windows are laid out at 96 dots per inch, whatever the screen's: 15 twips to the pixel. The
// stored layout was drawn at that density, and a label's fitting only holds at it.
inline int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips * 96.0 / 1440.0)); }

// Font sizes are stored in 1/10000 point; 9.75 pt is 13 pixels. Halves round away from zero.
inline int FontSizeToPixels(std::uint32_t size) {
  return static_cast<int>(std::lround(size / 10000.0 * 96.0 / 72.0));
}

}  // namespace tessel::runtime
