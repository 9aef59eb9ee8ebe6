#pragma once

#include "runtime/descriptions/model.h"

namespace tessel::app {

// The start window as typed data, for tools/write_descriptions to store.
descriptions::Description WStartDescription();

}  // namespace tessel::app
