#pragma once

#include "runtime/core/window_spec.h"
#include "runtime/qt/control_factory.h"
#include "runtime/qt/input_blocker.h"
#include "runtime/qt/tool_window.h"

namespace tessel::runtime::qt {

// The close box's name for screen readers; the title bar shows a cross, not a word.
inline constexpr char kCloseBoxName[] = "Schließen";

// Gives a built window what a screen reader (AT-SPI on Linux) finds in it: the window as a frame
// named by its caption, or as a modal dialog while it is shown modally; as its children the
// buttons by TabIndex, then the labels as they stand, then the close box as a button that can
// be pressed. Pictures, picture boxes, the client area and the title bar are not exposed: they
// carry nothing to read. A press through the accessibility interface takes the same path as a
// click, and is refused while the blocker keeps input away from the window.
void MakeAccessible(ToolWindow* window, const WindowSpec& spec, const BuiltControls& built,
                    InputBlocker* blocker);

}  // namespace tessel::runtime::qt
