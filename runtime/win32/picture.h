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

// Hands the window system a picture's parts where the runtime located them; an empty picture
// where the system cannot make one of them. The caller owns what comes back.
Picture DecodePicture(const PictureSpec& picture);

}  // namespace tessel::runtime::win32
