#pragma once

#include "runtime/core/picture_spec.h"
#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// A stored picture as the window system shows it: a bitmap, or an icon or cursor.
struct Picture {
  HBITMAP bitmap = nullptr;
  HICON icon = nullptr;
  bool cursor = false;

  bool empty() const { return !bitmap && !icon; }
};

// Decodes a bitmap, icon or cursor file as its kind says; an empty picture when the bytes do not
// read. The caller owns what comes back.
Picture DecodePicture(const PictureSpec& picture);

}  // namespace tessel::runtime::win32
