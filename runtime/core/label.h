#pragma once

#include <string>
#include <string_view>

#include "runtime/core/status.h"

namespace tessel::runtime {

class Form;

// A label of a loaded window, as handlers see it.
class Label {
 public:
  Label(Form& form, int id, std::string name) : form_(form), id_(id), name_(std::move(name)) {}

  Result SetCaption(std::string_view text);

  std::string ObjectName() const { return name_; }
  std::string InterfaceName() const { return "ILabel"; }

 private:
  Form& form_;
  int id_;
  std::string name_;
};

}  // namespace tessel::runtime
