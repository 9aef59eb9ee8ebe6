#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tessel::resources {

inline constexpr int kIconSide = 32;

// A 32 x 32 picture over the standard 16-colour palette, rows from the top.
struct IndexedIcon {
  std::array<std::uint8_t, kIconSide * kIconSide> index{};
  std::array<bool, kIconSide * kIconSide> transparent{};
};

// How a letter of a pixel row maps to a palette index. The full stop is always transparent.
struct Letter {
  char letter;
  std::uint8_t index;
};

// Builds the picture from 32 rows of 32 letters; throws std::invalid_argument on a row of the
// wrong length or a letter missing from the legend.
IndexedIcon IconFromRows(std::span<const std::string_view> rows, std::span<const Letter> legend);

}  // namespace tessel::resources
