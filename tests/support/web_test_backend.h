#pragma once

#include <functional>
#include <map>

#include "runtime/web/web_backend.h"

namespace tessel::testing {

// The page's backend with the hooks the scenario suite drives it by, which the shipped page has
// none of: tasks posted to its loop, as a window system's own posted messages, and the input
// the page has queued handled at once. The test page's script queues the tasks beside the
// user's input (web_test_surface.js).
class TestWebBackend : public runtime::web::WebBackend {
 public:
  // The task runs from the event loop once that many milliseconds have passed, after what is
  // already queued.
  void Post(int delay_ms, std::function<void()> task);
  // Handles the input the page has queued, ahead of posted tasks, as the loop would next.
  void DispatchQueuedInput();

 protected:
  void Dispatch(const runtime::web::page::Event& event) override;

 private:
  std::map<int, std::function<void()>> tasks_;
  int next_task_ = 1;
};

}  // namespace tessel::testing
