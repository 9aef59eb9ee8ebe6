#include "runtime/core/application.h"

#include <algorithm>
#include <cassert>

#include "runtime/core/diagnostics.h"
#include "runtime/core/forms.h"

namespace tessel::runtime {
namespace {

Application* current = nullptr;

}  // namespace

Application::Application(const Project& project, Backend& backend)
    : project_(project), backend_(backend), previous_(current) {
  current = this;
  backend_.SetFailureReport([this](const Result& failure) { Report(WindowSystemError(failure)); });
}

// The windows still open go with the run; no one is left to answer a message box about it.
Application::~Application() {
  ended_ = true;
  for (auto& [name, form] : instances_) {
    if (!form->loaded()) continue;
    if (const Result result = form->Unload(); Failed(result)) {
      Report(RuntimeError(result.status(), form->ObjectName(), form->InterfaceName(), "Unload",
                          result.cause()));
    }
  }
  backend_.SetFailureReport(nullptr);
  current = previous_;
}

Application& Application::Current() {
  assert(current != nullptr);
  return *current;
}

std::string Application::InterfaceName() const { return "_" + std::string(project_.name); }

RuntimeError Application::WindowSystemError(const Result& failure) const {
  return RuntimeError(failure.status(), std::string(project_.name), InterfaceName(), "Ereignis",
                      failure.cause());
}

int Application::Run() {
  try {
    check(Instance(*project_.startup).Show(), project_.name, InterfaceName(), "Start");
  } catch (...) {
    Report(CaughtAsRuntimeError(project_.name, InterfaceName(), "Start"));
    return 1;
  }
  if (!AnyLoaded()) return 0;
  return backend_.RunEventLoop();
}

Form& Application::Instance(const FormClass& form_class) {
  std::shared_ptr<Form>& reference = instances_[form_class.name];
  if (!reference) reference = std::make_shared<Form>(*this, form_class);
  return *reference;
}

GlobalObject& Application::Global() {
  if (!global_) global_.emplace(*this);
  return *global_;
}

Form* Application::FindInstance(std::string_view name) {
  const auto it = instances_.find(name);
  return it == instances_.end() ? nullptr : it->second.get();
}

bool Application::AnyLoaded() const {
  for (const auto& [name, form] : instances_) {
    if (form->loaded()) return true;
  }
  return false;
}

// The close box unloads the window; no handler of the program runs for it. A window that a
// modal window keeps from taking input refuses the request, as it refuses a click.
void Application::CloseRequested(Form& form) {
  if (!form.loaded() || IsBlocked(form)) return;
  try {
    check(Global().Unload(form), Global(), "Unload");
  } catch (...) {
    Report(CaughtAsRuntimeError(Global(), "Unload"));
  }
}

bool Application::IsBlocked(const Form& form) const {
  return std::any_of(blocked_.begin(), blocked_.end(),
                     [&](const std::shared_ptr<Form>& f) { return f.get() == &form; });
}

void Application::Dispatch(Form& form, const Binding& binding) {
  const std::shared_ptr<Form> keep = form.shared_from_this();
  try {
    binding.procedure(form);
  } catch (...) {
    Report(CaughtAsRuntimeError(form, "Ereignis"));
  }
}

void Application::Report(const RuntimeError& error) {
  LogLine(std::string(project_.name) + ": " + error.what() +
          (error.cause().empty() ? "" : ": " + error.cause()));
  if (!ended_) backend_.ShowErrorBox(project_.name, error.UserMessage());
}

void Application::WindowUnloaded() {
  if (!AnyLoaded()) backend_.Quit(0);
}

// The first failure is the answer; the windows this phase blocked take input again whatever
// failed, and the owner becomes the active window again, as a dialog's owner does.
Result Application::RunModal(Form& form, Form& owner) {
  const size_t outer = blocked_.size();
  const auto unblock = [&] {
    Status first_failure = kOk;
    for (size_t i = blocked_.size(); i > outer; --i) {
      Form& other = *blocked_[i - 1];
      if (!other.loaded()) continue;
      const Status status = backend_.SetWindowEnabled(other.handle(), true);
      if (Failed(status) && !Failed(first_failure)) first_failure = status;
    }
    blocked_.resize(outer);
    return first_failure;
  };
  for (auto& [name, other] : instances_) {
    if (other.get() == &form || !other->loaded() || IsBlocked(*other)) continue;
    if (const Status status = backend_.SetWindowEnabled(other->handle(), false); Failed(status)) {
      unblock();
      return status;
    }
    blocked_.push_back(other);
  }
  const Status shown = backend_.ShowModal(form.handle(), owner.handle());
  const Status unblocked = unblock();
  const Status activated = owner.loaded() ? backend_.ActivateWindow(owner.handle()) : kOk;
  for (const Status status : {shown, unblocked, activated}) {
    if (Failed(status)) return status;
  }
  return kOk;
}

Form& SharedInstance(const FormClass& form_class) {
  return Application::Current().Instance(form_class);
}

GlobalObject& Global() { return Application::Current().Global(); }

void Call(Form& me, Procedure procedure, std::string_view operation) {
  try {
    procedure(me);
  } catch (const RuntimeError& error) {
    throw RuntimeError(error.status(), me.ObjectName(), me.InterfaceName(), std::string(operation),
                       error.cause());
  }
}

}  // namespace tessel::runtime
