#pragma once

#include "runtime/core/pixel_rect.h"
#include "runtime/core/text_size.h"

namespace tessel::runtime {

enum class Alignment { kLeft, kRight, kCentre };

// What the place of an auto-size label depends on besides its text.
struct LabelFitting {
  PixelRect stored;      // as the description places it
  int parent_width = 0;  // of the client area or picture box the label lies on
  Alignment alignment = Alignment::kLeft;
  int edge = 0;  // the frame's width on every side
};

// An auto-size label is exactly as wide as its text and one line high, its frame added; its Left
// and Top stay. A centred label stored centred on its parent stays centred on it, half a pixel
// to the right where the centre falls on a half pixel. Any other label whose text would run past
// its parent's right edge moves left, no further than the parent's left edge, until it ends a
// small margin inside: the whole text shown matters more than the stored Left.
PixelRect FitLabel(const LabelFitting& label, TextSize text);

}  // namespace tessel::runtime
