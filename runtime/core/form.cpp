#include "runtime/core/form.h"

#include <algorithm>
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
  if (!loaded()) return kOk;  // its Load handler unloaded it again
  return UnloadedIfFailed(application_.backend().ShowWindow(handle_));
}

Result Form::Show(Modality modality, Form& owner) {
  if (modality == Modality::kModeless) return Show();
  if (modality != Modality::kModal || !owner.loaded() || &owner == this) return kInvalidArgument;
  const bool was_loaded = loaded();
  if (!was_loaded) {
    if (Result result = Load(); Failed(result)) return result;
    if (!loaded()) return kOk;
  }
  Result result = application_.RunModal(*this, owner);
  return was_loaded ? result : UnloadedIfFailed(std::move(result));
}

Result Form::UnloadedIfFailed(Result shown) {
  if (Failed(shown)) Unload();
  return shown;
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

// Each Click handler to its control's id, once. A handler that could never run fails the load:
// one bound to a control that the window does not have, or to an event that the runtime does
// not raise (a window's Load, a control's Click).
Result Form::Bind(const WindowSpec& spec) {
  click_bindings_.assign(spec.controls.size() + 1, nullptr);
  for (const Binding& binding : form_class_.procedures) {
    const bool on_window = binding.control == "Form";
    const auto control =
        std::find_if(spec.controls.begin(), spec.controls.end(),
                     [&](const ControlSpec& c) { return c.name == binding.control; });
    if (!on_window && control == spec.controls.end()) {
      return {kLoadFailed, "Das Fenster '" + ObjectName() + "' hat kein Steuerelement '" +
                               std::string(binding.control) + "'."};
    }
    if (binding.event != (on_window ? "Load" : "Click")) {
      return {kLoadFailed, "Das Fenster '" + ObjectName() + "' kennt kein Ereignis '" +
                               std::string(binding.event) + "' von '" +
                               std::string(binding.control) + "'."};
    }
    if (!on_window) click_bindings_[static_cast<size_t>(control->id)] = &binding;
  }
  return kOk;
}

// Builds the window from its description, runs its Load handler, and leaves it hidden for
// Show to bring up.
Result Form::Load() {
  Backend& backend = application_.backend();
  Status measuring = kOk;  // the first measurement that failed
  const TextMeasure measure = [&](const ResolvedFont& font, std::string_view text) {
    const TextSize size = backend.MeasureText(font, text);
    if (Failed(size.status) && !Failed(measuring)) measuring = size.status;
    return size;
  };
  BuiltWindow built;
  try {
    built = BuildWindow(form_class_.description, measure);
  } catch (const descriptions::DescriptionError& error) {
    return {kLoadFailed,
            "Die Fensterbeschreibung von '" + ObjectName() + "' ist fehlerhaft: " + error.what()};
  }
  if (Failed(measuring)) {
    return {measuring, "Die Texte des Fensters '" + ObjectName() + "' ließen sich nicht messen."};
  }
  if (Result result = Bind(built.spec); Failed(result)) return result;
  if (&form_class_ == application_.project().startup) {
    application_.KeepProgramIcon(built.spec.icon);
  }
  if (!built.spec.icon) built.spec.icon = application_.program_icon();
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
    if (Result result = Centre(built.spec); Failed(result)) {
      Unload();
      return result;
    }
  }
  for (const Binding& binding : form_class_.procedures) {
    if (binding.control == "Form") application_.Dispatch(*this, binding);
  }
  return kOk;
}

// On the screen the backend reports; one of no size is no screen to centre on.
Result Form::Centre(const WindowSpec& spec) {
  Backend& backend = application_.backend();
  const PixelRect screen = backend.Screen();
  Status status = kFailed;
  if (screen.width > 0 && screen.height > 0) {
    const PixelRect place = CentredOn(screen, OuterSize(spec));
    status = backend.MoveWindow(handle_, place.x, place.y);
  }
  if (!Failed(status)) return kOk;
  return {status, "Das Fenster '" + ObjectName() +
                      "' ließ sich nicht in die Mitte des Bildschirms setzen."};
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
  PixelRect rect = rect_;
  if (fitting_) {
    const TextSize size = backend.MeasureText(font_, text);
    if (Failed(size.status)) return size.status;
    rect = FitLabel(*fitting_, size);
  }
  return backend.SetCaption(form_.handle(), id_, text, rect);
}

Result GlobalObject::Unload(Form& form) {
  const bool was_loaded = form.loaded();
  Result result = form.Unload();
  if (!Failed(result) && was_loaded) application_.WindowUnloaded();
  return result;
}

}  // namespace tessel::runtime
