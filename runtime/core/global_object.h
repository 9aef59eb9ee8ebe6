#pragma once

#include <string>

#include "runtime/core/status.h"

namespace tessel::runtime {

class Application;
class Form;

// The application-wide object through which windows are unloaded.
class GlobalObject {
 public:
  explicit GlobalObject(Application& application) : application_(application) {}

  // Takes the window off the screen; its instance stays.
  Result Unload(Form& form);

  std::string ObjectName() const { return "Global"; }
  std::string InterfaceName() const { return "_Global"; }

 private:
  Application& application_;
};

}  // namespace tessel::runtime
