#pragma once

#include <cstdint>
#include <vector>

#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// Lays out a description in the byte format: header with control count and rest length, every
// block with its length, and the structure bytes the tree calls for. Ids, class codes and
// property codes are written as given, so a faulty tree comes out as faulty bytes for the reader
// to reject. Throws std::length_error for a field that overflows its length or count, and
// std::invalid_argument for a window without controls, which the format cannot express.
std::vector<std::uint8_t> WriteDescription(const Description& description);

}  // namespace tessel::descriptions
