#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "runtime/core/backend.h"
#include "runtime/core/test_surface.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// The runtime's windows as native Win32 tool windows, with the dialog manager's keyboard
// interface and comctl32 tool tips. One user-interface thread: the one that created it.
class Win32Backend : public Backend, public TestSurface, private FormEvents {
 public:
  Win32Backend();
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  void SetEventSink(EventSink* sink) override { sink_ = sink; }
  Status CreateWindow(const WindowSpec& spec, WindowHandle* window) override;
  Status MoveWindow(WindowHandle window, int left, int top) override;
  Status CentreWindow(WindowHandle window) override;
  Status ShowWindow(WindowHandle window) override;
  Status ShowModal(WindowHandle window, WindowHandle owner) override;
  Status SetWindowEnabled(WindowHandle window, bool enabled) override;
  Status DestroyWindow(WindowHandle window) override;
  Status SetCaption(WindowHandle window, int control_id, std::string_view text,
                    const PixelRect& rect) override;
  TextSize MeasureText(const FontRecord& font, std::string_view text) override;
  int RunEventLoop() override;
  void Quit(int exit_code) override;
  void ShowErrorBox(std::string_view title, std::string_view text) override;
  void Post(std::function<void()> task) override;
  TestSurface& test_surface() override { return *this; }

  void After(int milliseconds, std::function<void()> task) override;
  std::uint64_t NativeId(WindowHandle window) override;
  PixelRect ScreenSize() override;
  PixelRect WindowFrame(WindowHandle window) override;
  PixelRect ClientArea(WindowHandle window) override;
  PixelRect ControlRect(WindowHandle window, int control_id) override;
  bool IsVisible(WindowHandle window) override;
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
  void OnButton(WindowHandle window, int control_id) override;
  void OnCloseBox(WindowHandle window) override;
  void OnMoveLoop(bool running) override;

  FormWindow* Find(WindowHandle window);
  void RunModalLoop(WindowHandle window);
  HWND FindHwnd(WindowHandle window);
  HWND FindControl(WindowHandle window, int control_id);
  bool IsForm(HWND hwnd) const;
  void ReturnActivation(const FormWindow& gone);

  // One message from the queue through the dialog manager; false once the thread must quit.
  bool PumpOne();
  void Route(MSG& message);
  // Takes the input that SendInput queued, ahead of the posted messages already waiting.
  void PumpInput();
  // Moves the pointer there for real and reads back the cursor the window system put up.
  HCURSOR PointerAt(POINT screen);
  void RunNextTask();
  static LRESULT CALLBACK TaskWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  GdiStore measuring_fonts_;  // windows come and go; the fonts they are measured in stay
  EventSink* sink_ = nullptr;
  std::map<WindowHandle, std::unique_ptr<FormWindow>> windows_;
  WindowHandle next_handle_ = 1;
  HWND task_window_ = nullptr;
  std::deque<std::function<void()>> tasks_;
  std::map<UINT_PTR, std::function<void()>> timed_tasks_;  // by timer id
  UINT_PTR next_timer_ = 1;
  HWND return_activation_to_ = nullptr;  // once the runtime enables it again
  bool in_move_loop_ = false;
  std::optional<POINT> drag_end_;  // where DragTitleBar lets go once the move loop runs
  int held_tasks_ = 0;
  // System colours are the whole session's; a test's change goes with its backend.
  std::map<int, COLORREF> replaced_colours_;
  bool quit_requested_ = false;
  int exit_code_ = 0;
};

}  // namespace tessel::runtime::win32
