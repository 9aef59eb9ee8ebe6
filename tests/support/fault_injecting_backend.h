#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "runtime/core/backend.h"

namespace tessel::testing {

using runtime::Backend;
using runtime::Failed;
using runtime::kFailed;
using runtime::kOk;
using runtime::PixelRect;
using runtime::ResolvedFont;
using runtime::Status;
using runtime::TextSize;
using runtime::WindowEvents;
using runtime::WindowHandle;
using runtime::WindowSpec;

enum class Operation {
  kCreateWindow,
  kMoveWindow,
  kShowWindow,
  kShowModal,
  kDestroyWindow,
  kSetCaption,
  kSetWindowEnabled,
  kActivateWindow,
  kMeasureText,  // not in calls(): it is no window's
};

// Wraps a real backend and fails the Nth call of a chosen operation with a failing status.
class FaultInjectingBackend : public Backend {
 public:
  explicit FaultInjectingBackend(Backend& inner) : inner_(inner) {}

  // The nth call from now (1 = the next one) of that operation fails with status.
  void FailNth(Operation operation, int nth, Status status = kFailed);
  // Every window operation so far, in order, with the window it was for.
  const std::vector<std::pair<Operation, WindowHandle>>& calls() const { return calls_; }
  // Text is measured by `measure` from now on instead of by the real backend's fonts, so that
  // the runtime lays out the same pixels on every backend; an empty one measures for real again.
  void MeasureTextWith(std::function<TextSize(const ResolvedFont&, std::string_view)> measure) {
    measure_ = std::move(measure);
  }

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
  PixelRect Screen() override { return inner_.Screen(); }
  int RunEventLoop() override { return inner_.RunEventLoop(); }
  void Quit(int exit_code) override { inner_.Quit(exit_code); }
  void ShowErrorBox(std::string_view title, std::string_view text) override {
    inner_.ShowErrorBox(title, text);
  }
  void SetFailureReport(const runtime::FailureReport& report) override {
    inner_.SetFailureReport(report);
  }

 private:
  struct Fault {
    int countdown = 0;
    Status status = kFailed;
  };
  // Logs the call, then fails it if its turn has come, or passes it on to the real backend.
  template <typename Call>
  Status Forward(Operation operation, WindowHandle window, Call call) {
    const Status status = Injected(operation, window);
    return Failed(status) ? status : call();
  }
  Status Injected(Operation operation, WindowHandle window);
  Status Due(Operation operation);  // the injected status if this call's turn has come

  Backend& inner_;
  std::map<Operation, Fault> faults_;
  std::vector<std::pair<Operation, WindowHandle>> calls_;
  std::function<TextSize(const ResolvedFont&, std::string_view)> measure_;
};

}  // namespace tessel::testing
