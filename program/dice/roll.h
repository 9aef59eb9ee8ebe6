#pragma once

#include <string_view>

#include "runtime/core/forms.h"

namespace tessel::dice {

// One throw of an n-sided die: re-seeds, draws r and returns 1 + floor(n * r), computed
// without rounding to single precision on the way. Raises the floating-point runtime error
// if the computation flags an invalid operation, a division by zero or an overflow.
float ThrowDie(float sides);

// The roll of a die window: throws and writes the face into the window's result label.
void Roll(runtime::Form& me, float sides, std::string_view result_label);

}  // namespace tessel::dice
