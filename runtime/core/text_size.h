#pragma once

#include "runtime/core/status.h"

namespace tessel::runtime {

// A text on one line, as the window system's font rendering draws it, in pixels. A window system
// that could not measure it says why in `status`; the runtime reports that as any failing call.
struct TextSize {
  int width = 0;
  int height = 0;  // the font's line height
  Status status = kOk;
  bool operator==(const TextSize&) const = default;
};

}  // namespace tessel::runtime
