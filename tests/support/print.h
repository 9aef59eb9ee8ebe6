#pragma once

#include <ostream>

#include "tests/support/test_surface.h"

namespace tessel::runtime {

inline std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
  return out << "(" << r.x << ", " << r.y << ", " << r.width << " x " << r.height << ")";
}

}  // namespace tessel::runtime
