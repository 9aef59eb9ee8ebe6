#pragma once

#include "runtime/core/window_builder.h"

namespace tessel::runtime {

// Settles the title bar of the fixed tool-window frame for a backend that draws it itself: the
// bar across the top inside the border, the close box at its right end, the caption's place
// between them, and the caption cut short with "…" where the title font, as `measure` finds it,
// would run past that place. The frame and client size must be settled already.
void SettleTitleBar(WindowSpec& spec, const TextMeasure& measure);

}  // namespace tessel::runtime
