#include "tests/support/web_test_backend.h"

#include <emscripten.h>

#include <utility>

#include "runtime/core/start.h"

namespace tessel::testing {
namespace {

using runtime::web::EventType;
using runtime::web::page::Event;

// A type of event of the tests' own, past the page's.
constexpr auto kTask = static_cast<EventType>(100);

EM_JS(void, test_post_task, (int type, int task, int delay_ms),
      { tesselTestQueue().postTask(type, task, delay_ms); });
EM_JS(int, test_take_input, (int* event), {
  const next = tesselTestQueue().takeInput();
  if (!next) return 0;
  HEAP32.set([ next.type, next.window, next.control ], event >> 2);
  return 1;
});

}  // namespace

void TestWebBackend::Post(int delay_ms, std::function<void()> task) {
  const int id = next_task_++;
  tasks_[id] = std::move(task);
  test_post_task(static_cast<int>(kTask), id, delay_ms);
}

void TestWebBackend::DispatchQueuedInput() {
  std::int32_t fields[3] = {};
  while (!quit_requested() && test_take_input(fields)) {
    Dispatch({static_cast<EventType>(fields[0]), static_cast<runtime::WindowHandle>(fields[1]),
              fields[2]});
  }
}

void TestWebBackend::Dispatch(const Event& event) {
  if (event.type != kTask) return WebBackend::Dispatch(event);
  if (const auto it = tasks_.find(event.control); it != tasks_.end()) {
    const std::function<void()> task = std::move(it->second);
    tasks_.erase(it);
    task();
  }
}

}  // namespace tessel::testing

namespace tessel::runtime {

std::unique_ptr<Backend> CreatePlatformBackend() {
  return std::make_unique<testing::TestWebBackend>();
}

}  // namespace tessel::runtime
