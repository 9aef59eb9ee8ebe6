#pragma once

#include <string>

#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// The description as text for people and for golden files: the header's identifiers and
// control count, then the window and its controls as an indented tree, each with its properties
// by name and value. The same description always gives the same text.
std::string DumpDescription(const Description& description);

}  // namespace tessel::descriptions
