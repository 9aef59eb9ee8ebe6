#pragma once

#include "runtime/core/window_spec.h"
#include "runtime/qt/control_factory.h"
#include "runtime/qt/input_blocker.h"
#include "runtime/qt/tool_window.h"

namespace tessel::runtime::qt {

// Gives a built window what a screen reader (AT-SPI on Linux) finds in it: the window as a frame
// named by its caption, or as a modal dialog while it is shown modally; as its children the
// controls of the window's reading order, then the close box, by its name in the window's
// description, as a button that can be pressed. The client area and the title bar are not
// exposed: they carry nothing to read. A press through the accessibility interface takes the same
// path as a click, and is refused while the blocker keeps input away from the window.
void MakeAccessible(ToolWindow* window, const WindowSpec& spec, const BuiltControls& built,
                    InputBlocker* blocker);

}  // namespace tessel::runtime::qt
