#pragma once

#include <map>
#include <memory>
#include <vector>

#include "runtime/core/backend.h"
#include "runtime/win32/form_window.h"
#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// The runtime's windows as native Win32 tool windows, with the dialog manager's keyboard
// interface and comctl32 tool tips. One user-interface thread: the one that created it.
class Win32Backend : public Backend {
 public:
  Win32Backend();
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  Status CreateWindow(const WindowSpec& spec, WindowEvents& events, WindowHandle* window) override;
  Status MoveWindow(WindowHandle window, int left, int top) override;
  Status ShowWindow(WindowHandle window) override;
  Status ShowModal(WindowHandle window, WindowHandle owner) override;
  Status SetWindowEnabled(WindowHandle window, bool enabled) override;
  Status ActivateWindow(WindowHandle window) override;
  Status DestroyWindow(WindowHandle window) override;
  Status SetCaption(WindowHandle window, int control_id, std::string_view text,
                    const PixelRect& rect) override;
  TextSize MeasureText(const ResolvedFont& font, std::string_view text) override;
  PixelRect Screen() override;
  int RunEventLoop() override;
  void Quit(int exit_code) override;
  void ShowErrorBox(std::string_view title, std::string_view text) override;

  // For inspection by tests and tools: the open windows, and what each is made of.
  std::vector<WindowHandle> Windows() const;
  FormWindow* Find(WindowHandle window);
  HWND FindHwnd(WindowHandle window);
  HWND FindControl(WindowHandle window, int control_id);
  // Hands one message to its window: through the dialog manager for our own windows.
  void Route(MSG& message);
  bool quit_requested() const { return quit_requested_; }

 private:
  void RunModalLoop(WindowHandle window);
  bool IsForm(HWND hwnd) const;

  // One message from the queue through the dialog manager; false once the thread must quit.
  bool PumpOne();

  GdiStore measuring_fonts_;  // windows come and go; the fonts they are measured in stay
  std::map<WindowHandle, std::unique_ptr<FormWindow>> windows_;
  WindowHandle next_handle_ = 1;
  bool quit_requested_ = false;
  int exit_code_ = 0;
};

}  // namespace tessel::runtime::win32
