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

enum class IconFileType : std::uint16_t { kIcon = 1, kCursor = 2 };

// How a letter of a pixel row maps to a palette index. The full stop is always transparent.
struct Letter {
  char letter;
  std::uint8_t index;
};

// Builds the picture from 32 rows of 32 letters; throws std::invalid_argument on a row of the
// wrong length or a letter missing from the legend.
IndexedIcon IconFromRows(std::span<const std::string_view> rows, std::span<const Letter> legend);

// The whole icon or cursor file: directory, one entry, BITMAPINFOHEADER with the doubled
// height, palette, colour bitmap and AND mask. A cursor's hot spot is (0, 0).
std::vector<std::uint8_t> EncodeIconFile(IconFileType type, const IndexedIcon& icon);

}  // namespace tessel::resources
