#pragma once

#include <cstdint>
#include <vector>

#include "program/resources/indexed_icon.h"

namespace tessel::resources {

enum class IconFileType : std::uint16_t { kIcon = 1, kCursor = 2 };

// The whole icon or cursor file: directory, one entry, BITMAPINFOHEADER with the doubled
// height, palette, colour bitmap and AND mask. A cursor's hot spot is (0, 0).
std::vector<std::uint8_t> EncodeIconFile(IconFileType type, const IndexedIcon& icon);

}  // namespace tessel::resources
