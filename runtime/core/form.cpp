#include "runtime/core/form.h"

#include <algorithm>
#include <cmath>

#include "runtime/descriptions/description_error.h"
#include "runtime/core/application.h"
#include "runtime/core/window_builder.h"

namespace tessel::runtime {

namespace {

// The first control a handler is bound to that the window does not have; empty when all are.
std::string_view UnboundControl(const FormClass& form_class, const WindowSpec& spec) {
  for (const Binding& binding : form_class.procedures) {
    if (binding.control == "Form") continue;
    const bool present =
        std::any_of(spec.controls.begin(), spec.controls.end(),
                    [&](const ControlSpec& c) { return c.name == binding.control; });
    if (!present) return binding.control;
  }
  return {};
}

}  // namespace

Form::Form(Application& application, const FormClass& form_class)
    : application_(application), form_class_(form_class) {}

Status Form::Move(float left, std::int16_t top) {
  if (!loaded()) return kInvalidArgument;
  if (!std::isfinite(left) || std::fabs(left) > 2e9f) return kInvalidArgument;
  return application_.backend().MoveWindow(handle_, static_cast<int>(std::lround(left)), top);
}

Status Form::Show() {
  if (loaded()) return application_.backend().ShowWindow(handle_);
  if (const Status status = Load(); Failed(status)) return status;
  return loaded() ? application_.backend().ShowWindow(handle_) : kOk;
}

Status Form::Show(std::int32_t modal, Form& owner) {
  if (modal == 0) return Show();
  if (modal != 1 || !owner.loaded() || &owner == this) return kInvalidArgument;
  if (!loaded()) {
    if (const Status status = Load(); Failed(status)) return status;
    if (!loaded()) return kOk;  // its Load handler unloaded it again
  }
  return application_.RunModal(*this, owner);
}

Label& Form::GetLabel(std::string_view name) {
  for (const auto& label : labels_) {
    if (label->ObjectName() == name) return *label;
  }
  throw RuntimeError(kInvalidArgument, ObjectName(), InterfaceName(), std::string(name));
}

int Form::ControlId(std::string_view name) const {
  for (size_t i = 0; i < control_names_.size(); ++i) {
    if (control_names_[i] == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string_view Form::ControlName(int id) const {
  if (id < 1 || id > static_cast<int>(control_names_.size())) return {};
  return control_names_[static_cast<size_t>(id) - 1];
}

// Builds the window from its description, runs its Load handler, and leaves it hidden for
// Show to bring up.
Status Form::Load() {
  BuiltWindow built;
  try {
    built = BuildWindow(form_class_.description);
  } catch (const descriptions::DescriptionError& error) {
    application_.SetFailureDetail("Die Fensterbeschreibung von '" + ObjectName() +
                                  "' ist fehlerhaft: " + error.what());
    return kLoadFailed;
  }
  if (const std::string_view missing = UnboundControl(form_class_, built.spec); !missing.empty()) {
    application_.SetFailureDetail("Das Fenster '" + ObjectName() + "' hat kein Steuerelement '" +
                                  std::string(missing) + "'.");
    return kLoadFailed;
  }
  if (built.spec.icon.empty()) built.spec.icon = application_.program_icon();
  Backend& backend = application_.backend();
  if (const Status status = backend.CreateWindow(built.spec, &handle_); Failed(status)) {
    return status;
  }
  state_ = FormState::kLoaded;
  for (const ControlSpec& control : built.spec.controls) {
    control_names_.push_back(control.name);
    if (control.kind == ControlKind::kLabel) {
      labels_.push_back(std::make_unique<Label>(*this, control.id, control.name));
    }
  }
  if (built.start_up_position == StartUpPosition::kCentreScreen) {
    if (const Status status = backend.CentreWindow(handle_); Failed(status)) return status;
  }
  for (const Binding& binding : form_class_.procedures) {
    if (binding.control == "Form" && binding.event == "Load") {
      application_.Dispatch(*this, binding.procedure);
    }
  }
  return kOk;
}

Status Form::Unload() {
  if (!loaded()) return kOk;
  if (const Status status = application_.backend().DestroyWindow(handle_); Failed(status)) {
    return status;
  }
  state_ = FormState::kUnloaded;
  handle_ = 0;
  control_names_.clear();
  labels_.clear();
  return kOk;
}

Status Label::SetCaption(std::string_view text) {
  if (!form_.loaded()) return kInvalidArgument;
  return form_.application_.backend().SetCaption(form_.handle(), id_, text);
}

Status GlobalObject::Unload(Form& form) {
  // The window must outlive its own Unload even when its last handler reference goes.
  const std::shared_ptr<Form> keep = form.shared_from_this();
  const bool was_loaded = form.loaded();
  const Status status = form.Unload();
  if (!Failed(status) && was_loaded) application_.WindowUnloaded();
  return status;
}

}  // namespace tessel::runtime
