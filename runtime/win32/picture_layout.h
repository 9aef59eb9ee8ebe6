#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "runtime/descriptions/picture_kind.h"

namespace tessel::runtime::win32 {

// Where the parts of a stored picture file lie, checked against the file's length before the
// window system is handed any of them.
struct PictureLayout {
  descriptions::PictureKind kind = descriptions::PictureKind::kBitmap;
  int width = 0;  // natural size in pixels
  int height = 0;
  // Bitmap: BITMAPINFOHEADER with its masks and colour table. Icon or cursor: the one image,
  // BITMAPINFOHEADER to the end of the AND mask, as a resource holds it.
  std::size_t info_offset = 0;
  std::size_t info_size = 0;
  std::size_t bits_offset = 0;  // bitmap only: the pixel rows
  std::size_t bits_size = 0;
  int hot_spot_x = 0;  // cursor only
  int hot_spot_y = 0;
  std::string error;  // empty when the file reads; otherwise the offset and what was expected

  bool ok() const { return error.empty(); }
};

// Reads the headers of a bitmap file (BITMAPFILEHEADER + BITMAPINFOHEADER, uncompressed) or of
// an icon or cursor file (the first image of its directory), as `kind` says the file is.
PictureLayout LocatePicture(std::span<const std::uint8_t> file, descriptions::PictureKind kind);

}  // namespace tessel::runtime::win32
