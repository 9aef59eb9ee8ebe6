#pragma once

#include <cstdint>
#include <vector>

#include "runtime/descriptions/model.h"

namespace tessel::app {

descriptions::Description WStartDescription();

// The description as the runtime reads it.
const std::vector<std::uint8_t>& WStartDescriptionBytes();

}  // namespace tessel::app
