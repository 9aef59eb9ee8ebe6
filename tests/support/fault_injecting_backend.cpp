#include "tests/support/fault_injecting_backend.h"

namespace tessel::testing {

void FaultInjectingBackend::FailNth(Operation operation, int nth, Status status) {
  faults_[operation] = {nth, status};
}

Status FaultInjectingBackend::Injected(Operation operation, WindowHandle window) {
  calls_.emplace_back(operation, window);
  return Due(operation);
}

Status FaultInjectingBackend::Due(Operation operation) {
  const auto it = faults_.find(operation);
  if (it == faults_.end() || it->second.countdown <= 0) return kOk;
  return --it->second.countdown == 0 ? it->second.status : kOk;
}

Status FaultInjectingBackend::CreateWindow(const WindowSpec& spec, WindowEvents& events,
                                           WindowHandle* window) {
  return Forward(Operation::kCreateWindow, 0,
                 [&] { return inner_.CreateWindow(spec, events, window); });
}

Status FaultInjectingBackend::MoveWindow(WindowHandle window, int left, int top) {
  return Forward(Operation::kMoveWindow, window,
                 [&] { return inner_.MoveWindow(window, left, top); });
}

Status FaultInjectingBackend::ShowWindow(WindowHandle window) {
  return Forward(Operation::kShowWindow, window, [&] { return inner_.ShowWindow(window); });
}

Status FaultInjectingBackend::ShowModal(WindowHandle window, WindowHandle owner) {
  return Forward(Operation::kShowModal, window, [&] { return inner_.ShowModal(window, owner); });
}

Status FaultInjectingBackend::SetWindowEnabled(WindowHandle window, bool enabled) {
  return Forward(Operation::kSetWindowEnabled, window,
                 [&] { return inner_.SetWindowEnabled(window, enabled); });
}

Status FaultInjectingBackend::ActivateWindow(WindowHandle window) {
  return Forward(Operation::kActivateWindow, window, [&] { return inner_.ActivateWindow(window); });
}

Status FaultInjectingBackend::DestroyWindow(WindowHandle window) {
  return Forward(Operation::kDestroyWindow, window, [&] { return inner_.DestroyWindow(window); });
}

Status FaultInjectingBackend::SetCaption(WindowHandle window, int control_id, std::string_view text,
                                         const PixelRect& rect) {
  return Forward(Operation::kSetCaption, window,
                 [&] { return inner_.SetCaption(window, control_id, text, rect); });
}

TextSize FaultInjectingBackend::MeasureText(const ResolvedFont& font, std::string_view text) {
  if (const Status status = Due(Operation::kMeasureText); Failed(status)) return {0, 0, status};
  return measure_ ? measure_(font, text) : inner_.MeasureText(font, text);
}

}  // namespace tessel::testing
