#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "runtime/descriptions/picture_kind.h"

namespace tessel::descriptions {

// Where the parts of a picture file lie, every one checked to lie inside the file, so that a
// window system can be handed them as they are.
struct PictureLayout {
  PictureKind kind = PictureKind::kBitmap;
  int width = 0;  // natural size in pixels, 1 to 32767
  int height = 0;
  // Bitmap: BITMAPINFOHEADER with its masks and colour table. Icon or cursor: the one image,
  // BITMAPINFOHEADER to the end of the AND mask, as a resource holds it.
  std::size_t info_offset = 0;
  std::size_t info_size = 0;
  std::size_t bits_offset = 0;  // the pixel rows, bottom row first (an icon's XOR image)
  std::size_t bits_size = 0;
  int bits_per_pixel = 0;
  std::size_t palette_offset = 0;  // icon or cursor: its colours, blue, green, red, zero
  std::size_t palette_size = 0;    // entries
  std::size_t mask_offset = 0;     // icon or cursor: the AND mask's rows, 1 for transparent
  int hot_spot_x = 0;              // cursor only
  int hot_spot_y = 0;
  bool operator==(const PictureLayout&) const = default;
};

// Reads the headers of a file of that kind: a bitmap (BITMAPFILEHEADER and a BITMAPINFOHEADER
// or later one, uncompressed rows) or an icon or cursor (the first image of its directory, a
// BITMAPINFOHEADER image with uncompressed rows and its mask). Throws DescriptionError naming
// the offset and what belonged there.
PictureLayout ReadPictureLayout(std::span<const std::uint8_t> file, PictureKind kind);

}  // namespace tessel::descriptions
