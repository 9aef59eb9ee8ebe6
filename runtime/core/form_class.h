#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/core/status.h"

namespace tessel::runtime {

class Form;

// An event handler, or a window's own procedure: takes the window it belongs to. It completes by
// returning and fails by raising a RuntimeError, which check does at a failing status.
using Procedure = void (*)(Form& me);

// Binds (control, event) to a procedure; "Form" is the window itself.
struct Binding {
  std::string_view control;
  std::string_view event;
  Procedure procedure;
};

// A window class: its stored description and its procedures in slot order.
struct FormClass {
  std::string_view name;
  std::span<const std::uint8_t> description;  // read at every load
  std::vector<Binding> procedures;
};

}  // namespace tessel::runtime
