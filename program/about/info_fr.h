#pragma once

#include "runtime/core/form_class.h"

namespace tessel::about {

// The information window "About ...", shown modally over the start window.
extern const runtime::FormClass kInfoFRClass;

}  // namespace tessel::about
