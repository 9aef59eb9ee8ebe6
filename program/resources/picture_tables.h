#pragma once

#include <array>
#include <string_view>

#include "program/resources/indexed_icon.h"
#include "program/resources/rgb_image.h"

// The small pictures as data: their pixel tables, and the pictures the tables make, which the
// build machine's encoders (tools/pictures) turn into the files the windows store.
namespace tessel::resources {

// 32 rows of 32 letters: K black, T dark cyan, L light grey, Y yellow, W white.
extern const std::array<std::string_view, 32> kStartIconRows;

// The top-left 12 x 12 pixels: K black, D dark green, L light grey, G light green,
// '.' transparent. The rest of the 32 x 32 cursor is transparent.
extern const std::array<std::string_view, 12> kBallCursorRows;

inline constexpr int kStripHeight = 7;
inline constexpr int kShortStripWidth = 44;
inline constexpr int kLongStripWidth = 99;

// Rows of colours for ParseColourRow (resources/rgb_image.h): the short strip whole, and the
// long strip's columns from 44 on (its first 44 are the short strip's).
extern const std::array<std::string_view, kStripHeight> kShortStripRows;
extern const std::array<std::string_view, kStripHeight> kLongStripTailRows;

IndexedIcon StartIcon();
IndexedIcon BallCursor();
RgbImage ShortStrip();
RgbImage LongStrip();

}  // namespace tessel::resources
