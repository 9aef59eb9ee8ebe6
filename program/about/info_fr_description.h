#pragma once

#include "runtime/descriptions/model.h"

namespace tessel::about {

// The information window as typed data, for tools/write_descriptions to store.
descriptions::Description InfoFRDescription();

}  // namespace tessel::about
