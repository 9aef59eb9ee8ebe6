#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>

#include "runtime/win32/win32_backend.h"
#include "tests/support/test_surface.h"

namespace tessel::testing {

// Reads back what the Win32 backend's windows really show and sends real input through
// SendInput, as a user's would arrive. One per thread at a time.
class Win32TestSurface : public TestSurface {
 public:
  explicit Win32TestSurface(runtime::win32::Win32Backend& backend);
  ~Win32TestSurface() override;
  Win32TestSurface(const Win32TestSurface&) = delete;
  Win32TestSurface& operator=(const Win32TestSurface&) = delete;

  void Post(std::function<void()> task) override;
  void After(int milliseconds, std::function<void()> task) override;
  std::uint64_t NativeId(WindowHandle window) override;
  PixelRect ScreenSize() override;
  PixelRect WindowFrame(WindowHandle window) override;
  PixelRect ClientArea(WindowHandle window) override;
  PixelRect ControlRect(WindowHandle window, int control_id) override;
  bool IsVisible(WindowHandle window) override;
  std::string Unsettled(WindowHandle window) override;
  bool IsEnabled(WindowHandle window) override;
  bool IsActive(WindowHandle window) override;
  std::string WindowCaption(WindowHandle window) override;
  std::string ControlCaption(WindowHandle window, int control_id) override;
  std::string ToolTip(WindowHandle window, int control_id) override;
  std::string ShownToolTip() override;
  int FocusedControl(WindowHandle window) override;
  Screenshot Grab(WindowHandle window) override;
  bool ShowsArrowPointer(WindowHandle window) override;
  void Click(WindowHandle window, int control_id) override;
  void PressKey(WindowHandle window, Key key) override;
  void PressCloseBox(WindowHandle window) override;
  void RequestClose(WindowHandle window) override;
  void Hover(WindowHandle window, int control_id) override;
  void DragTitleBar(WindowHandle window, int dx, int dy) override;
  void SetSystemColour(int index, std::uint32_t rgb) override;
  std::vector<std::string> MessageBoxes() override;
  void DismissMessageBox() override;

 private:
  // Takes the input that SendInput queued, ahead of the posted messages already waiting.
  void PumpInput();
  // Moves the pointer there for real and reads back the cursor the window system put up.
  HCURSOR PointerAt(POINT screen);
  void RunNextTask();
  // The system's own loop for dragging a window by its title bar starts or ends.
  void OnMoveLoop(bool running);
  static LRESULT CALLBACK WatchMoveLoop(int code, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK TaskWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  runtime::win32::Win32Backend& backend_;
  HWND task_window_ = nullptr;
  HHOOK move_loop_hook_ = nullptr;
  std::deque<std::function<void()>> tasks_;
  std::map<UINT_PTR, std::function<void()>> timed_tasks_;  // by timer id
  UINT_PTR next_timer_ = 1;
  bool in_move_loop_ = false;
  int held_tasks_ = 0;
  std::optional<POINT> drag_end_;  // where DragTitleBar lets go once the move loop runs
  std::map<int, COLORREF> replaced_colours_;
};

}  // namespace tessel::testing
