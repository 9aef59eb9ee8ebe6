#include "runtime/core/form.h"

#include <cmath>

#include "runtime/core/application.h"
#include "runtime/core/units.h"
#include "runtime/core/window_builder.h"
#include "runtime/descriptions/description_error.h"

namespace tessel::runtime {

Form::Form(Application& application, const FormClass& form_class)
    : application_(application), form_class_(form_class) {}

Result Form::Move(Single left, Integer top) {
  if (!loaded()) return kInvalidArgument;
  if (!std::isfinite(left) || std::fabs(left) > 2e9f) return kInvalidArgument;
  return application_.backend().MoveWindow(
      handle_, TwipsToPixels(static_cast<int>(std::lround(left))), TwipsToPixels(top));
}

Result Form::Show() {
  if (loaded()) return application_.backend().ShowWindow(handle_);
  if (Result result = Load(); Failed(result)) return result;
  return loaded() ? application_.backend().ShowWindow(handle_) : kOk;
}

Result Form::Show(Modality modality, Form& owner) {
  if (modality == Modality::kModeless) return Show();
  if (modality != Modality::kModal || !owner.loaded() || &owner == this) return kInvalidArgument;
  if (!loaded()) {
    if (Result result = Load(); Failed(result)) return result;
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

void Form::OnClick(int control_id) {
  if (control_id < 0 || static_cast<size_t>(control_id) >= click_bindings_.size()) return;
  if (const Binding* binding = click_bindings_[static_cast<size_t>(control_id)]) {
    application_.Dispatch(*this, *binding);
  }
}

void Form::OnCloseRequest() { application_.CloseRequested(*this); }

// Each Click handler to its control's id, once; a handler bound to a control that the window
// does not have fails the load.
Result Form::Bind(const WindowSpec& spec) {
  click_bindings_.assign(spec.controls.size() + 1, nullptr);
  for (const Binding& binding : form_class_.procedures) {
    if (binding.control == "Form") continue;
    const ControlSpec* control = nullptr;
    for (const ControlSpec& c : spec.controls) {
      if (c.name == binding.control) control = &c;
    }
    if (!control) {
      return {kLoadFailed, "Das Fenster '" + ObjectName() + "' hat kein Steuerelement '" +
                               std::string(binding.control) + "'."};
    }
    if (binding.event == "Click") click_bindings_[static_cast<size_t>(control->id)] = &binding;
  }
  return kOk;
}

// Builds the window from its description, runs its Load handler, and leaves it hidden for
// Show to bring up.
Result Form::Load() {
  BuiltWindow built;
  try {
    built = BuildWindow(
        form_class_.description,
        [&backend = application_.backend()](const ResolvedFont& font, std::string_view text) {
          return backend.MeasureText(font, text);
        });
  } catch (const descriptions::DescriptionError& error) {
    return {kLoadFailed,
            "Die Fensterbeschreibung von '" + ObjectName() + "' ist fehlerhaft: " + error.what()};
  }
  if (Result result = Bind(built.spec); Failed(result)) return result;
  if (&form_class_ == application_.project().startup) {
    application_.KeepProgramIcon(built.spec.icon);
  }
  if (!built.spec.icon) built.spec.icon = application_.program_icon();
  Backend& backend = application_.backend();
  if (const Status status = backend.CreateWindow(built.spec, *this, &handle_); Failed(status)) {
    return {status, "Das Fenster '" + ObjectName() + "' ließ sich nicht vollständig erstellen."};
  }
  state_ = FormState::kLoaded;
  for (const ControlSpec& control : built.spec.controls) {
    control_names_.push_back(control.name);
    if (control.kind == ControlKind::kLabel) {
      const auto fitting = built.fittings.find(control.id);
      labels_.push_back(std::make_unique<Label>(
          *this, control,
          fitting == built.fittings.end() ? std::nullopt : std::optional(fitting->second)));
    }
  }
  if (built.start_up_position == StartUpPosition::kCentreScreen) {
    const PixelRect place = CentredOn(backend.Screen(), OuterSize(built.spec));
    if (const Status status = backend.MoveWindow(handle_, place.x, place.y); Failed(status)) {
      return status;
    }
  }
  for (const Binding& binding : form_class_.procedures) {
    if (binding.control == "Form" && binding.event == "Load") {
      application_.Dispatch(*this, binding);
    }
  }
  return kOk;
}

Result Form::Unload() {
  if (!loaded()) return kOk;
  if (const Status status = application_.backend().DestroyWindow(handle_); Failed(status)) {
    return status;
  }
  state_ = FormState::kUnloaded;
  handle_ = 0;
  control_names_.clear();
  click_bindings_.clear();
  labels_.clear();
  return kOk;
}

Label::Label(Form& form, const ControlSpec& spec, std::optional<LabelFitting> fitting)
    : form_(form),
      id_(spec.id),
      name_(spec.name),
      font_(spec.font),
      rect_(spec.rect),
      fitting_(fitting) {}

Result Label::SetCaption(std::string_view text) {
  if (!form_.loaded()) return kInvalidArgument;
  Backend& backend = form_.application_.backend();
  const PixelRect rect = fitting_ ? FitLabel(*fitting_, backend.MeasureText(font_, text)) : rect_;
  return backend.SetCaption(form_.handle(), id_, text, rect);
}

Result GlobalObject::Unload(Form& form) {
  const bool was_loaded = form.loaded();
  Result result = form.Unload();
  if (!Failed(result) && was_loaded) application_.WindowUnloaded();
  return result;
}

}  // namespace tessel::runtime
