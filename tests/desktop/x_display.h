#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct _XDisplay;

namespace tessel::testing {

using XWindowId = std::uint64_t;

// The test's own connection to the X server the program runs on: real input through the XTEST
// extension, as from a keyboard and a mouse, and what the server holds about the windows. Kept
// apart from Xlib's header, whose macros would clash with the runtime's names.
class XDisplay {
 public:
  XDisplay();  // $DISPLAY
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  bool connected() const { return display_ != nullptr; }
  // The name the running window manager gives itself; empty on a bare X server.
  std::string WindowManager();

  void MovePointer(int x, int y);
  void Click(int x, int y);
  // Presses the keys in order and lets them go in reverse: {"Alt_L", "F4"}.
  void PressKeys(std::initializer_list<const char*> keys);
  // What a window manager sends a window it wants to close.
  void SendDeleteWindow(XWindowId window);

  // Mapped, and so on the screen, as far as the server is concerned.
  bool Viewable(XWindowId window);
  XWindowId TransientFor(XWindowId window);
  std::vector<std::string> NetWmState(XWindowId window);  // atom names
  // _NET_WM_ICON as stored: width, height, then width x height ARGB pixels, for each size.
  std::vector<std::uint32_t> NetWmIcon(XWindowId window);
  XWindowId KeyboardFocus();
  // The window the window manager holds active (_NET_ACTIVE_WINDOW); the keyboard focus where
  // no window manager keeps one.
  XWindowId ActiveWindow();
  // Top-level windows, bottom first: the window manager's list of its clients, or the server's
  // own stacking where no window manager keeps one.
  std::vector<XWindowId> StackingOrder();

 private:
  ::_XDisplay* display_;
};

}  // namespace tessel::testing
