#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

struct _XDisplay;  // NOLINT(bugprone-reserved-identifier): Xlib's own name for a display
struct xcb_connection_t;

namespace tessel::testing {

using XWindowId = std::uint64_t;

// A window on the screen as the server sees it: position on the root window, size, title.
struct XWindowInfo {
  XWindowId id = 0;
  std::string title;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The test's own connection to the X server the program runs on: real input through the XTEST
// extension, as from a keyboard and a mouse, and what the server holds about the windows. Kept
// apart from Xlib's header, whose macros would clash with the runtime's names.
class XDisplay {
 public:
  XDisplay();  // $DISPLAY
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  bool connected() const;
  void Sync();
  // The name the running window manager gives itself; empty on a bare X server.
  std::string WindowManager();

  void MovePointer(int x, int y);
  void Click(int x, int y);
  void PressButton(int x, int y);
  void ReleaseButton(int x, int y);
  // Presses the keys in order and lets them go in reverse: {"Alt_L", "F4"}.
  void PressKeys(std::initializer_list<const char*> keys);
  // Whether some client holds the pointer grabbed now, as a window manager does while it moves
  // a window. Asked by a short grab of our own, which would make another client's grab fail
  // meanwhile: ask only once a grab is due to be over.
  bool PointerGrabbed();
  // Whether the pointer is away from the window now: it has left and not come back, by the
  // crossing events since the first call, which starts listening. With the pointer held still
  // over the window, this is a window manager holding it for a move: by a grab (openbox,
  // mutter) or by a window of its own over the screen (kwin). A grab that a window manager only
  // takes to look at a click, and lets go again, brings it back.
  bool PointerTakenFrom(XWindowId window);
  // What a window manager sends a window it wants to close.
  void SendDeleteWindow(XWindowId window);

  // Mapped, and so on the screen, as far as the server is concerned.
  bool Viewable(XWindowId window);
  XWindowId TransientFor(XWindowId window);
  // Where the window is on the screen now, as the server has it, whoever placed it there.
  XWindowInfo Placement(XWindowId window);
  // Waits, looking every 5 ms, until the window no longer stands at (x, y) on the screen, at
  // most `timeout_ms`; whether it moved.
  bool AwaitMoveFrom(XWindowId window, int x, int y, int timeout_ms);
  // The viewable windows with a title, managed or not, bottom first.
  std::vector<XWindowInfo> TitledWindows();
  // What the screen shows of the window, 0x00RRGGBB, rows from the top.
  std::vector<std::uint32_t> Pixels(const XWindowInfo& window);
  // Whether the window's program answers a _NET_WM_PING within the time; true for a window
  // that takes no pings.
  bool Answers(XWindowId window, int timeout_ms);
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
  // A property's 32-bit items of that type, or its UTF-8 text.
  std::vector<std::uint32_t> Items(XWindowId window, const char* name, unsigned type);
  std::string Text(XWindowId window, const char* name);
  std::string TitleOf(XWindowId window);
  void CollectTitled(XWindowId window, int depth, std::vector<XWindowInfo>& out);

  ::_XDisplay* display_;
  // Properties are read through the runtime's reader, which speaks XCB, on a connection of
  // their own.
  ::xcb_connection_t* properties_;
  std::map<XWindowId, bool> pointer_away_;  // by the last crossing event seen
};

}  // namespace tessel::testing
