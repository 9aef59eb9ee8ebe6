#pragma once

#include <array>
#include <string_view>

// The pixel tables behind the small pictures, for the tools and tests that check what a reader
// makes of the files.
namespace tessel::resources {

// 32 rows of 32 letters: K black, T dark cyan, L light grey, Y yellow, W white.
extern const std::array<std::string_view, 32> kStartIconRows;

// The top-left 12 x 12 pixels: K black, D dark green, L light grey, G light green,
// '.' transparent. The rest of the 32 x 32 cursor is transparent.
extern const std::array<std::string_view, 12> kBallCursorRows;

inline constexpr int kStripHeight = 7;
inline constexpr int kShortStripWidth = 44;
inline constexpr int kLongStripWidth = 99;

// Rows of colours for ParseColourRow (resources/bitmap_file.h): the short strip whole, and the
// long strip's columns from 44 on (its first 44 are the short strip's).
extern const std::array<std::string_view, kStripHeight> kShortStripRows;
extern const std::array<std::string_view, kStripHeight> kLongStripTailRows;

}  // namespace tessel::resources
