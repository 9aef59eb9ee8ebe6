#pragma once

#include "runtime/core/form_class.h"

namespace tessel::app {

// The start window: one row of four buttons under the two die windows.
extern const runtime::FormClass kWStartClass;

}  // namespace tessel::app
