#include "app/runtime/fault_injecting_backend.h"

namespace tessel::runtime {

void FaultInjectingBackend::FailNth(Operation operation, int nth, Status status) {
  faults_[operation] = {nth, status};
}

Status FaultInjectingBackend::Injected(Operation operation, WindowHandle window) {
  calls_.emplace_back(operation, window);
  const auto it = faults_.find(operation);
  if (it == faults_.end() || it->second.countdown <= 0) return kOk;
  return --it->second.countdown == 0 ? it->second.status : kOk;
}

Status FaultInjectingBackend::CreateWindow(const WindowSpec& spec, WindowHandle* window) {
  const Status status = Injected(Operation::kCreateWindow, 0);
  return Failed(status) ? status : inner_.CreateWindow(spec, window);
}

Status FaultInjectingBackend::MoveWindow(WindowHandle window, int left_twips, int top_twips) {
  const Status status = Injected(Operation::kMoveWindow, window);
  return Failed(status) ? status : inner_.MoveWindow(window, left_twips, top_twips);
}

Status FaultInjectingBackend::CentreWindow(WindowHandle window) {
  const Status status = Injected(Operation::kCentreWindow, window);
  return Failed(status) ? status : inner_.CentreWindow(window);
}

Status FaultInjectingBackend::ShowWindow(WindowHandle window) {
  const Status status = Injected(Operation::kShowWindow, window);
  return Failed(status) ? status : inner_.ShowWindow(window);
}

Status FaultInjectingBackend::SetWindowEnabled(WindowHandle window, bool enabled) {
  const Status status = Injected(Operation::kSetWindowEnabled, window);
  return Failed(status) ? status : inner_.SetWindowEnabled(window, enabled);
}

Status FaultInjectingBackend::DestroyWindow(WindowHandle window) {
  const Status status = Injected(Operation::kDestroyWindow, window);
  return Failed(status) ? status : inner_.DestroyWindow(window);
}

Status FaultInjectingBackend::SetCaption(WindowHandle window, int control_id,
                                         std::string_view text) {
  const Status status = Injected(Operation::kSetCaption, window);
  return Failed(status) ? status : inner_.SetCaption(window, control_id, text);
}

}  // namespace tessel::runtime
