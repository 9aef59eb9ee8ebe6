#pragma once

#include <cstdint>
#include <vector>

#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// A stored picture as the window system shows it: a bitmap, or an icon or cursor.
struct Picture {
  HBITMAP bitmap = nullptr;
  HICON icon = nullptr;
  bool cursor = false;
  int width = 0;
  int height = 0;

  bool empty() const { return !bitmap && !icon; }
};

// Decodes a bitmap, icon or cursor file; an empty picture when the bytes do not read. The
// caller owns what comes back.
Picture DecodePicture(const std::vector<std::uint8_t>& file);

}  // namespace tessel::runtime::win32
