#pragma once

namespace tessel::runtime {

// A text on one line, as the window system's font rendering draws it, in pixels.
struct TextSize {
  int width = 0;
  int height = 0;  // the font's line height
  bool operator==(const TextSize&) const = default;
};

}  // namespace tessel::runtime
