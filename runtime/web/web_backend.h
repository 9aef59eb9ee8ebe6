#pragma once

#include <functional>
#include <map>
#include <set>
#include <string_view>

#include "runtime/core/backend.h"
#include "runtime/web/page.h"

namespace tessel::runtime::web {

// The runtime's windows as elements of a web page (screen.js), driven from WebAssembly. The
// page queues what the user does; the event loop, a modal window's loop and a message box's loop
// each wait for the next event with the program's code suspended, so a modal Show returns only
// once its window is gone, as on the other window systems.
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
  Status DestroyWindow(WindowHandle window) override;
  Status SetCaption(WindowHandle window, int control_id, std::string_view text,
                    const PixelRect& rect) override;
  TextSize MeasureText(const ResolvedFont& font, std::string_view text) override;
  PixelRect Screen() override;
  int RunEventLoop() override;
  void Quit(int exit_code) override;
  void ShowErrorBox(std::string_view title, std::string_view text) override;

  // For tests and tools, as a window system's own posted messages: the task runs from the
  // event loop once that many milliseconds have passed, after what is already queued.
  void Post(int delay_ms, std::function<void()> task);
  // Handles the input the page has queued, ahead of posted tasks, as the loop would next.
  void DispatchQueuedInput();
  bool IsOpen(WindowHandle window) const { return windows_.contains(window); }

 private:
  void Dispatch(const page::Event& event);
  // Handles events until `done` holds or the program quits.
  void RunUntil(const std::function<bool()>& done);

  std::map<WindowHandle, WindowEvents*> windows_;
  std::map<int, std::function<void()>> tasks_;
  std::set<int> open_boxes_;
  WindowHandle next_handle_ = 1;
  int next_task_ = 1;
  bool quit_requested_ = false;
  int exit_code_ = 0;
};

}  // namespace tessel::runtime::web
