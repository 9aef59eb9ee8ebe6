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

// A rectangle of that width and height centred on `area`; an odd spare pixel is left over on the
// right and below.
inline PixelRect CentredOn(const PixelRect& area, const PixelRect& size) {
  return {area.x + (area.width - size.width) / 2, area.y + (area.height - size.height) / 2,
          size.width, size.height};
}

}  // namespace tessel::runtime
