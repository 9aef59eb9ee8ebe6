#pragma once

#include <cstdint>

namespace tessel::runtime {

using WindowHandle = std::uint32_t;  // 0 is no window

// What one window reports to the runtime, on the user-interface thread. The runtime hands it
// over when it creates the window, bound to that window's handlers.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void OnClick(int control_id) = 0;  // a button was pressed
  // The close box, or the window system's request to close the window (Alt+F4, a window
  // manager's or task bar's close).
  virtual void OnCloseRequest() = 0;
};

}  // namespace tessel::runtime
