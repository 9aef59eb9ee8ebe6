#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/form_class.h"
#include "runtime/core/label.h"
#include "runtime/core/status.h"
#include "runtime/core/window_events.h"

namespace tessel::runtime {

class Application;
struct WindowSpec;

// The runtime's value types that Move takes, as the program's code passes them.
using Single = float;          // single precision
using Integer = std::int16_t;  // 16-bit

// Show's first argument: how the window holds the rest of the program while it is open.
enum class Modality : std::int16_t { kModeless = 0, kModal = 1 };

// Created: referred to, never loaded. Loaded: its window is built, shown or still hidden; Show
// brings it up. Unloaded: its window is gone, until the next Show loads it again.
enum class FormState { kCreated, kLoaded, kUnloaded };

// The one instance of a window class. It outlives every loading of its window. Its window's
// events reach it directly: the handlers are bound to the controls once, when it loads.
class Form : public std::enable_shared_from_this<Form>, private WindowEvents {
 public:
  Form(Application& application, const FormClass& form_class);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormClass& form_class() const { return form_class_; }
  FormState state() const { return state_; }
  bool loaded() const { return state_ == FormState::kLoaded; }
  WindowHandle handle() const { return handle_; }

  std::string ObjectName() const { return std::string(form_class_.name); }
  std::string InterfaceName() const { return "_" + ObjectName(); }

  // Places the outer top-left corner, in twips; the size stays.
  Result Move(Single left, Integer top);
  // Modeless and without owner. Loads the window when needed; on an open window only
  // brings it to the front.
  Result Show();
  // Modal: returns once this window is unloaded, and meanwhile no other window takes input.
  // Modeless: as Show().
  Result Show(Modality modality, Form& owner);

  // The label of that name in the loaded window; a missing one is a runtime error.
  Label& GetLabel(std::string_view name);

  // Control ids of the loaded window, for tests; 0 when there is none.
  int ControlId(std::string_view name) const;
  std::string_view ControlName(int id) const;

 private:
  friend class Application;
  friend class GlobalObject;
  friend class Label;

  void OnClick(int control_id) override;
  void OnCloseRequest() override;

  Result Load();
  Result Bind(const WindowSpec& spec);
  Result Centre(const WindowSpec& spec);
  Result Unload();
  // A window that Show loaded and could not show goes again: unseen, it would keep the program
  // running.
  Result UnloadedIfFailed(Result shown);

  Application& application_;
  const FormClass& form_class_;
  FormState state_ = FormState::kCreated;
  WindowHandle handle_ = 0;
  std::vector<std::string> control_names_;      // index = control id - 1
  std::vector<const Binding*> click_bindings_;  // index = control id; null where none is bound
  std::vector<std::unique_ptr<Label>> labels_;
};

}  // namespace tessel::runtime
