#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/picture_spec.h"

namespace tessel::runtime {

// A picture's pixels as 0xAARRGGBB, rows from the top, width × height of them: what a window
// system that is handed pixels rather than files shows. Bitmaps are opaque; an icon's or
// cursor's AND mask makes its pixels transparent, and one of 32 bits brings its own alpha.
std::vector<std::uint32_t> PicturePixels(const PictureSpec& picture);

}  // namespace tessel::runtime
