#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/core/label_fitting.h"
#include "runtime/core/resolved_font.h"
#include "runtime/core/status.h"

namespace tessel::runtime {

class Form;
struct ControlSpec;

// A label of a loaded window, as handlers see it.
class Label {
 public:
  // An auto-size label comes with its fitting; any other keeps its place for every caption.
  Label(Form& form, const ControlSpec& spec, std::optional<LabelFitting> fitting);

  // An auto-size label is fitted to the new text as it was to its stored caption.
  Result SetCaption(std::string_view text);

  std::string ObjectName() const { return name_; }
  std::string InterfaceName() const { return "ILabel"; }

 private:
  Form& form_;
  int id_;
  std::string name_;
  ResolvedFont font_;
  PixelRect rect_;  // where a label that is not auto-size stays
  std::optional<LabelFitting> fitting_;
};

}  // namespace tessel::runtime
