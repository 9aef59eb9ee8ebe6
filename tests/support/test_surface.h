#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/core/backend.h"
#include "runtime/core/pixel_rect.h"

namespace tessel::testing {

using runtime::Backend;
using runtime::PixelRect;
using runtime::WindowHandle;

// 0xAARRGGBB, rows from the top.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

enum class Key { kTab, kBacktab, kEnter, kSpace, kEscape, kAltF4 };

// What the toolkit really has, and real input into it, for the scenario tests.
class TestSurface {
 public:
  virtual ~TestSurface() = default;

  // Runs the task from the event loop, after what is already queued.
  virtual void Post(std::function<void()> task) = 0;
  // Runs the task from the event loop once that many milliseconds have passed.
  virtual void After(int milliseconds, std::function<void()> task) = 0;

  // The window system's own id of the window: an X window, or a window handle.
  virtual std::uint64_t NativeId(WindowHandle window) = 0;
  virtual PixelRect ScreenSize() = 0;
  virtual PixelRect WindowFrame(WindowHandle window) = 0;  // outer rectangle on the screen
  virtual PixelRect ClientArea(WindowHandle window) = 0;   // client rectangle on the screen
  // Relative to the parent's client area.
  virtual PixelRect ControlRect(WindowHandle window, int control_id) = 0;
  virtual bool IsVisible(WindowHandle window) = 0;
  // Empty once the window is shown where the window system keeps it: on the screen, placed by
  // the window manager where one runs, and reported at that place by the toolkit. Until then a
  // shown window's geometry and the input aimed at it may still be a moment's, and this says
  // what is missing.
  virtual std::string Unsettled(WindowHandle window) = 0;
  virtual bool IsEnabled(WindowHandle window) = 0;
  // Active for the toolkit, and with the keyboard focus for the window system.
  virtual bool IsActive(WindowHandle window) = 0;
  virtual std::string WindowCaption(WindowHandle window) = 0;
  virtual std::string ControlCaption(WindowHandle window, int control_id) = 0;
  virtual std::string ToolTip(WindowHandle window, int control_id) = 0;
  // The hint that shows on the screen now; empty when none does.
  virtual std::string ShownToolTip() = 0;
  virtual int FocusedControl(WindowHandle window) = 0;  // 0 when none has the focus
  virtual Screenshot Grab(WindowHandle window) = 0;     // the outer window, frame included
  // Whether the pointer over the window's client area and every control is the system arrow.
  virtual bool ShowsArrowPointer(WindowHandle window) = 0;

  // Real input: a mouse press and release at the centre of the control.
  virtual void Click(WindowHandle window, int control_id) = 0;
  virtual void PressKey(WindowHandle window, Key key) = 0;  // to the window's focused control
  virtual void PressCloseBox(WindowHandle window) = 0;
  // The window system's request to close the window, as a window manager or a task bar sends it.
  virtual void RequestClose(WindowHandle window) = 0;
  // The real pointer comes to rest over the centre of the control.
  virtual void Hover(WindowHandle window, int control_id) = 0;
  virtual void DragTitleBar(WindowHandle window, int dx, int dy) = 0;

  // Changes one of the system's colours (0x00RRGGBB), as a user's colour scheme would.
  virtual void SetSystemColour(int index, std::uint32_t rgb) = 0;

  // Open error message boxes, by their text as shown (where the box breaks a long line, the
  // text breaks there too); Dismiss presses OK on the front one.
  virtual std::vector<std::string> MessageBoxes() = 0;
  virtual void DismissMessageBox() = 0;
};

// The test surface of the platform's backend, built for this platform's tests alone.
std::unique_ptr<TestSurface> CreateTestSurface(Backend& backend);

}  // namespace tessel::testing
