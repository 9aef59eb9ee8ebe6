#pragma once

#include <cstdint>
#include <vector>

#include "program/resources/rgb_image.h"

namespace tessel::resources {

// The whole 24-bit bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER, then the rows bottom first
// as blue, green, red, each row filled with zero bytes to a multiple of 4.
std::vector<std::uint8_t> EncodeBitmapFile(const RgbImage& image);

}  // namespace tessel::resources
