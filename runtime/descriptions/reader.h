#pragma once

#include <cstdint>
#include <span>

#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// Reads a whole window description, checking every field the format pins down: header bytes,
// lengths, control ids, names, class and property codes, values, structure bytes and the control
// count. Throws DescriptionError naming the offset and what belonged there; never reads past
// the end of bytes.
Description ReadDescription(std::span<const std::uint8_t> bytes);

}  // namespace tessel::descriptions
