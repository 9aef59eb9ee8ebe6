#pragma once

namespace tessel::runtime::win32 {

// Ends the start with one line naming the cause where this process can show no window: it has
// no window station or desktop, Wine reaches no display, or the system creates no window.
void RequireWindows();

}  // namespace tessel::runtime::win32
