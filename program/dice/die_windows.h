#pragma once

#include "runtime/core/form_class.h"

namespace tessel::dice {

// The six-sided and the twenty-sided die window: one design, two data sets.
extern const runtime::FormClass kW6FormClass;
extern const runtime::FormClass kW20FormClass;

}  // namespace tessel::dice
