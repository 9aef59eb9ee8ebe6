#pragma once

#include <functional>
#include <map>

#include "runtime/core/backend.h"
#include "runtime/web/page.h"

namespace tessel::runtime::web {

// The runtime's windows as elements of a web page (the page's script), driven from WebAssembly.
// The page queues what the user does; the event loop, a modal window's loop and a message box's
// loop each wait for the next event with the program's code suspended, so a modal Show returns
// only once its window is gone, as on the other window systems.
class WebBackend : public Backend {
 public:
  WebBackend();
  ~WebBackend() override;
  WebBackend(const WebBackend&) = delete;
  WebBackend& operator=(const WebBackend&) = delete;

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
  // The runtime's message box (message_box.h), centred on the screen area.
  void ShowErrorBox(std::string_view title, std::string_view text) override;
  void SetFailureReport(const FailureReport& report) override { report_ = report; }

  bool IsOpen(WindowHandle window) const { return windows_.contains(window); }

 protected:
  // Hands one event the page queued to the window it is for; one for a window that has gone
  // since finds no one.
  virtual void Dispatch(const page::Event& event);
  bool quit_requested() const { return quit_requested_; }

 private:
  // Handles events until `done` holds or the program quits.
  void RunUntil(const std::function<bool()>& done);
  // The runtime's message box built and shown; 0 where it cannot be.
  WindowHandle OpenMessageBox(std::string_view title, std::string_view text, WindowEvents& events);

  std::map<WindowHandle, WindowEvents*> windows_;
  FailureReport report_;
  WindowHandle next_handle_ = 1;
  bool quit_requested_ = false;
  int exit_code_ = 0;
};

}  // namespace tessel::runtime::web
