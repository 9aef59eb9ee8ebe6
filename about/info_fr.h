#pragma once

#include <cstdint>
#include <vector>

#include "app/descriptions/model.h"
#include "app/runtime/form_class.h"

namespace tessel::about {

// The information window "About ...", shown modally over the start window.
extern const runtime::FormClass kInfoFRClass;

descriptions::Description InfoFRDescription();

}  // namespace tessel::about
