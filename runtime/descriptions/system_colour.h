#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// A stored colour 0x80000000 + n is the platform's system colour n rather than a fixed one, so
// that a window follows the user's colour scheme. These are the indices the runtime and the
// program use, numbered as the platform numbers them.
enum class SystemColour : std::uint8_t {
  kWindow = 5,
  kWindowText = 8,
  kHighlight = 13,
  kHighlightText = 14,
  kButtonFace = 15,
  kButtonShadow = 16,
  kButtonText = 18,
  kButtonHighlight = 20,
};

inline constexpr std::uint32_t kSystemColourFlag = 0x80000000;

constexpr Colour ColourOf(SystemColour role) {
  return Colour{kSystemColourFlag | static_cast<std::uint32_t>(role)};
}

constexpr bool IsSystemColour(Colour colour) { return (colour.value & kSystemColourFlag) != 0; }

constexpr std::uint32_t SystemColourIndex(Colour colour) {
  return colour.value & ~kSystemColourFlag;
}

// A fixed colour as 0xRRGGBB; it is stored with red in its lowest byte.
constexpr std::uint32_t FixedRgb(Colour colour) {
  return (colour.value & 0xFF) << 16 | (colour.value & 0xFF00) | ((colour.value >> 16) & 0xFF);
}

// The platform's documented role of system colour `index` ("window background"); empty past
// the last one it documents.
std::string_view SystemColourRole(std::uint32_t index);

}  // namespace tessel::descriptions
