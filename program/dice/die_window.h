#pragma once

#include <cstdint>
#include <string_view>

namespace tessel::dice {

// What both a die window's description and its handlers know of it.
struct DieWindow {
  std::string_view name;
  std::string_view result_label;
  float sides;
  float left;  // twips: where its Load handler puts it
};

inline constexpr DieWindow kW6Form{"W6Form", "W6Print", 6.0f, 2888.0f};
inline constexpr DieWindow kW20Form{"W20Form", "W20Print", 20.0f, 5500.0f};

// Twips. The die windows open side by side at this height, with client areas this high; the
// start window stands right under them, level with the six's left edge: one block.
inline constexpr std::int16_t kDieWindowsTop = 2000;
inline constexpr std::int32_t kDieWindowClientHeight = 2400;
inline constexpr std::int16_t kUnderTheDieWindows = 4730;
// A fixed frame adds ClientTop 285 above and ClientLeft 45 below the client area.
static_assert(kUnderTheDieWindows == kDieWindowsTop + kDieWindowClientHeight + 285 + 45);

}  // namespace tessel::dice
