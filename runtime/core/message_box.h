#pragma once

#include <string_view>

#include "runtime/core/window_builder.h"

namespace tessel::runtime {

// The runtime's message box for a window system that has none of its own (the page): the text
// above an OK button, in the fixed tool-window frame of the program's windows, and its place.
struct MessageBoxLayout {
  WindowSpec spec;
  PixelRect place;  // centred on the screen, as a window that asks to be
};

// Lines break at the text's own line breaks, and between words where a line would be wider than
// a box should be; the box is as wide as its longest line, OK centred below.
MessageBoxLayout BuildMessageBox(std::string_view title, std::string_view text,
                                 const PixelRect& screen, const TextMeasure& measure);

}  // namespace tessel::runtime
