#pragma once

#include <string>

#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// A value as one line of a dump: texts quoted, sizes in twips by field name, fonts in points,
// colours in hex with system colours named, pictures summarised.
std::string FormatValue(const Value& value);

}  // namespace tessel::descriptions
