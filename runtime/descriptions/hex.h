#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// "0x1D": how error messages and dumps show a single code or flag.
std::string HexByte(std::uint8_t byte);

// "0x00FFFFFF": a 32-bit field with all eight digits, so colours line up.
std::string Hex32(std::uint32_t value);

// "FF CC 31 00": raw bytes as they appear in a hex viewer.
std::string HexBytes(std::span<const std::uint8_t> bytes);

// "{33AD4F3A-6699-11CF-B70C-00AA0060D393}": the registry form of an identifier.
std::string FormatGuid(const Guid& guid);

}  // namespace tessel::descriptions
