#pragma once

#include "runtime/core/form_class.h"

namespace tessel::app {

// What the process entry hands to the runtime.
const runtime::Project& TesselProject();

}  // namespace tessel::app
