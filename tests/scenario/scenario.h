#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/application.h"
#include "tests/support/fault_injecting_backend.h"
#include "tests/support/test_surface.h"

namespace tessel::testing {

using runtime::PixelRect;
using runtime::WindowHandle;

// Runs the real program on this platform's backend and drives it step by step with real input.
// Each step runs from the event loop once the previous step's input has been taken and every
// window the program shows has settled where the window system keeps it (TestSurface::Unsettled),
// so that a step reads the geometry the window manager has settled and aims its input there; a
// step that opens a modal window or a message box lets the next step run inside it, as a user
// would.
class Scenario {
 public:
  Scenario();
  ~Scenario();

  Scenario& Then(std::function<void()> step);
  // Goes on once `ready` holds, looking every 20 ms from the event loop, for what the window
  // system does in its own time; after `timeout_ms` the wait fails the test and goes on.
  Scenario& ThenWaitFor(std::function<bool()> ready, int timeout_ms = 5000);
  // Goes on once the window is active for the program and the window system alike. The steps
  // wait until every shown window has settled, so the window manager has taken each over and
  // given the activation to the one it mapped last before this asks.
  Scenario& ThenWaitForActive(std::string_view window, int timeout_ms = 5000);
  // Runs `check` on every look for `duration`, for what must not happen even for a moment. A
  // busy machine can make that miss a fault, never invent one.
  Scenario& ThenWatch(std::chrono::milliseconds duration, std::function<void()> check);
  // Runs the program until it ends by itself; its exit status. If the steps run out while
  // windows are still open, the run is abandoned and -1 returned.
  int Run();

  FaultInjectingBackend& faults() { return *faults_; }
  TestSurface& surface() { return *surface_; }
  runtime::Application& application() { return *application_; }

  // The loaded window of that class, or 0.
  WindowHandle Handle(std::string_view window);
  bool Loaded(std::string_view window);
  bool Referenced(std::string_view window);  // its shared instance exists
  int Id(std::string_view window, std::string_view control);
  bool Active(std::string_view window);

  // "6er Tessel", then "20er Tessel", on the start window.
  void OpenBothDice();

  void Click(std::string_view window, std::string_view control);
  void Press(std::string_view window, Key key);
  PixelRect Frame(std::string_view window);
  PixelRect ControlRect(std::string_view window, std::string_view control);
  std::string Caption(std::string_view window, std::string_view control);
  std::string ToolTip(std::string_view window, std::string_view control);
  std::string Focused(std::string_view window);  // name of the control with the focus

 private:
  struct Step {
    std::function<void()> action;
    std::function<bool()> ready;  // set for a wait
    int timeout_ms = 0;
  };
  void RunStep(size_t index);
  void Settle(size_t index, int waited_ms);
  void Go(size_t index);
  void Wait(size_t index, int waited_ms);
  std::string Unsettled();  // the first shown window that has not settled and why, or empty
  std::string Windows();    // the loaded windows as the surface finds them, for a failure

  std::unique_ptr<runtime::Backend> backend_;
  std::unique_ptr<TestSurface> surface_;
  std::unique_ptr<FaultInjectingBackend> faults_;
  std::unique_ptr<runtime::Application> application_;
  std::vector<Step> steps_;
  bool abandoned_ = false;
};

}  // namespace tessel::testing
