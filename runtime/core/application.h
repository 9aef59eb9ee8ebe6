#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/backend.h"
#include "runtime/core/form.h"
#include "runtime/core/form_class.h"
#include "runtime/core/global_object.h"
#include "runtime/core/project.h"
#include "runtime/core/runtime_error.h"

namespace tessel::runtime {

// One run of a program: its shared instances, the dispatcher, and the rule that the program
// ends when no window is loaded.
class Application {
 public:
  Application(const Project& project, Backend& backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Loads and shows the start-up window, runs the event loop; the exit status.
  int Run();

  static Application& Current();

  // The shared instance of a window class, created on first reference, never emptied.
  Form& Instance(const FormClass& form_class);
  GlobalObject& Global();

  const Project& project() const { return project_; }
  // What a window without an icon of its own shows: the icon its start-up window stores, kept
  // when that window is built, which is before any other.
  const std::optional<PictureSpec>& program_icon() const { return program_icon_; }
  void KeepProgramIcon(const std::optional<PictureSpec>& icon) { program_icon_ = icon; }
  Backend& backend() { return backend_; }

  // For tests: the instance of a window by class name, if it was ever referred to.
  Form* FindInstance(std::string_view name);

  // The frame around every handler the runtime calls: keeps the window alive, reports whatever
  // error ends the handler, and returns to the event loop.
  void Dispatch(Form& form, const Binding& binding);
  // The close box or the window system asks the window to go: it is unloaded, unless a modal
  // window keeps it from taking input.
  void CloseRequested(Form& form);

  // Called after a window was unloaded: ends the program once nothing is loaded.
  void WindowUnloaded();
  // Modal show, owned by `owner`: every other loaded window takes no input until this one is
  // unloaded.
  Result RunModal(Form& form, Form& owner);

 private:
  // The one report of an error: a line on standard error and, while the program runs, a German
  // message box.
  void Report(const RuntimeError& error);
  // The program's own interface, named in what its start and the window system report.
  std::string InterfaceName() const;
  // A failure the window system reports of its own, as the program's.
  RuntimeError WindowSystemError(const Result& failure) const;
  bool AnyLoaded() const;
  bool IsBlocked(const Form& form) const;

  const Project& project_;
  Backend& backend_;
  std::optional<PictureSpec> program_icon_;
  bool ended_ = false;  // the instances are going; the user sees no more message boxes
  std::map<std::string_view, std::shared_ptr<Form>> instances_;
  std::optional<GlobalObject> global_;
  // The windows a modal window keeps from taking input, innermost modal phase last.
  std::vector<std::shared_ptr<Form>> blocked_;
  Application* previous_;
};

}  // namespace tessel::runtime
