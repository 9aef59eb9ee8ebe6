#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// Shorthands that let a window's description read as a list of typed properties.
template <typename Code>
Property Prop(Code code, Value value) {
  return {static_cast<std::uint8_t>(code), std::move(value)};
}

inline Value Text(std::string text) { return Value(std::move(text)); }
inline Value Byte(std::uint8_t value) { return Value(value); }
inline Value Integer(std::int16_t value) { return Value(value); }
inline Value PictureOf(const std::vector<std::uint8_t>& file) { return Value(Picture{file}); }
inline Value Bytes(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
  return Value(FourBytes{a, b, c, d});
}

// "Comic Sans MS" 9.75 pt bold, character set 0, no attributes.
inline FontRecord Font(std::string face, std::uint32_t size, std::uint16_t weight) {
  return FontRecord{1, 0, 0, weight, size, std::move(face)};
}

}  // namespace tessel::descriptions
