#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "runtime/core/window_spec.h"
#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// A fixed colour as it is; a system colour from the user's colour scheme.
COLORREF ToColorRef(Colour colour);

// The fonts, brushes and pictures of one window; they go when the window has gone.
class GdiStore {
 public:
  GdiStore() = default;
  ~GdiStore();
  GdiStore(const GdiStore&) = delete;
  GdiStore& operator=(const GdiStore&) = delete;

  // As the runtime resolved it; one font object per distinct font. Null where GDI makes none,
  // which is asked for again next time.
  HFONT Font(const ResolvedFont& resolved);
  // System colours come as the system's own brushes, which are never deleted.
  HBRUSH Brush(Colour colour);
  // Takes ownership of a bitmap, icon or cursor.
  void Keep(HBITMAP bitmap) { bitmaps_.push_back(bitmap); }
  void Keep(HICON icon) { icons_.push_back(icon); }

 private:
  std::vector<std::pair<ResolvedFont, HFONT>> fonts_;
  std::map<std::uint32_t, HBRUSH> brushes_;
  std::vector<HBITMAP> bitmaps_;
  std::vector<HICON> icons_;
};

}  // namespace tessel::runtime::win32
