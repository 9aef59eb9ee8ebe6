#pragma once

#include <vector>

#include "tests/support/test_surface.h"

namespace tessel::testing {

// A run of pixel rows holding dark (text) pixels, and how far the ink reaches left and right.
struct TextBand {
  int top = 0;
  int bottom = 0;
  int left = 0;
  int right = 0;
};

// The lines of dark ink inside area of a screenshot, top to bottom, ignoring a margin of
// `inset` pixels on each side (a frame line is not text).
std::vector<TextBand> FindTextBands(const Screenshot& shot, const runtime::PixelRect& area,
                                    int inset);

// The area of a control inside a screenshot of its whole window.
runtime::PixelRect InWindow(const runtime::PixelRect& frame, const runtime::PixelRect& client,
                            const runtime::PixelRect& control);

}  // namespace tessel::testing
