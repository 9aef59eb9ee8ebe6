#pragma once

#include <cstdint>
#include <vector>

#include "runtime/descriptions/model.h"
#include "runtime/core/form_class.h"

namespace tessel::about {

// The information window "About ...", shown modally over the start window.
extern const runtime::FormClass kInfoFRClass;

descriptions::Description InfoFRDescription();

}  // namespace tessel::about
