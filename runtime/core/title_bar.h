#pragma once

#include "runtime/core/window_spec.h"

namespace tessel::runtime {

// Settles the title bar of the fixed tool-window frame for a backend that draws it itself: the
// bar across the top inside the border, the close box at its right end, and the caption's place
// between them, where the backend cuts it short with "…" as it draws it. The frame and client
// size must be settled already. (Cut here, the caption would have to be measured in the title
// font before the first window shows: on the Linux program some 10 ms and 3 MB ahead of it.)
void SettleTitleBar(WindowSpec& spec);

}  // namespace tessel::runtime
