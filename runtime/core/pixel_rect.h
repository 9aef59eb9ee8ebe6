#pragma once

namespace tessel::runtime {

// Screen pixels. A control's rectangle counts from its parent's client area.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

}  // namespace tessel::runtime
