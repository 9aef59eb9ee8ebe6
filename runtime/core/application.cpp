#include "runtime/core/application.h"

#include <algorithm>
#include <cassert>
#include <exception>

#include "runtime/core/diagnostics.h"
#include "runtime/core/forms.h"
#include "runtime/core/program_icon.h"

namespace tessel::runtime {
namespace {

Application* current = nullptr;

}  // namespace

Application::Application(const Project& project, Backend& backend)
    : project_(project),
      backend_(backend),
      program_icon_(ProgramIcon(project)),
      previous_(current) {
  current = this;
}

Application::~Application() {
  for (auto& [name, form] : instances_) {
    if (form->loaded()) form->Unload();
  }
  current = previous_;
}

Application& Application::Current() {
  assert(current != nullptr);
  return *current;
}

int Application::Run() {
  try {
    check(Instance(*project_.startup).Show(), project_.name, "_" + std::string(project_.name),
          "Start");
  } catch (const RuntimeError& error) {
    Report(error);
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
  } catch (const RuntimeError& error) {
    Report(error);
  }
}

bool Application::IsBlocked(const Form& form) const {
  return std::any_of(blocked_.begin(), blocked_.end(),
                     [&](const std::shared_ptr<Form>& f) { return f.get() == &form; });
}

void Application::Dispatch(Form& form, const Binding& binding) {
  const std::shared_ptr<Form> keep = form.shared_from_this();
  const std::string event = "Ereignis";
  try {
    check(binding.procedure(form), form, event);
  } catch (const RuntimeError& error) {
    Report(error);
  } catch (const std::bad_alloc&) {
    Report(RuntimeError(kOutOfMemory, form.ObjectName(), form.InterfaceName(), event));
  } catch (const std::exception& error) {
    Report(RuntimeError(kFailed, form.ObjectName(), form.InterfaceName(), event, error.what()));
  }
}

void Application::Report(const RuntimeError& error) {
  LogLine(std::string(project_.name) + ": " + error.what() +
          (error.cause().empty() ? "" : ": " + error.cause()));
  backend_.ShowErrorBox(project_.name, error.UserMessage());
}

void Application::WindowUnloaded() {
  if (!AnyLoaded()) backend_.Quit(0);
}

Result Application::RunModal(Form& form, Form& owner) {
  const size_t outer = blocked_.size();
  const auto unblock = [&] {
    for (size_t i = blocked_.size(); i > outer; --i) {
      Form& other = *blocked_[i - 1];
      if (other.loaded()) backend_.SetWindowEnabled(other.handle(), true);
    }
    blocked_.resize(outer);
  };
  for (auto& [name, other] : instances_) {
    if (other.get() == &form || !other->loaded() || IsBlocked(*other)) continue;
    if (const Status status = backend_.SetWindowEnabled(other->handle(), false); Failed(status)) {
      unblock();
      return status;
    }
    blocked_.push_back(other);
  }
  const Status status = backend_.ShowModal(form.handle(), owner.handle());
  unblock();
  return status;
}

Form& SharedInstance(const FormClass& form_class) {
  return Application::Current().Instance(form_class);
}

GlobalObject& Global() { return Application::Current().Global(); }

Result Call(Form& me, Procedure procedure) {
  try {
    return procedure(me);
  } catch (const RuntimeError& error) {
    return {error.status(), error.cause()};
  }
}

}  // namespace tessel::runtime
