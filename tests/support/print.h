#pragma once

#include <ostream>

#include "runtime/core/pixel_rect.h"

// GoogleTest finds a printer for the runtime's rectangles by argument-dependent lookup only, so it
// lives in the runtime's namespace; it is still the tests' alone.
namespace tessel::runtime {

inline std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
  return out << "(" << r.x << ", " << r.y << ", " << r.width << " x " << r.height << ")";
}

}  // namespace tessel::runtime
