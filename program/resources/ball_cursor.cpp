#include <string>

#include "program/resources/indexed_icon.h"
#include "program/resources/picture_tables.h"

namespace tessel::resources {

// A green ball in the top-left corner; everything outside these 12 x 12 pixels is transparent.
// K black, D dark green, L light grey, G light green, '.' transparent.
const std::array<std::string_view, 12> kBallCursorRows{
    "...KDDDDD...",  // 0
    "..DDDDDDDD..",  // 1
    ".KDDDDDDDDD.",  // 2
    "KKDDDDGGGGDD",  // 3
    "KKDDDDGLLGDD",  // 4
    "KKDDDDGLGDDD",  // 5
    "KKKDDDDDDDDD",  // 6
    "KKKDDDDDDDDD",  // 7
    "KKKDDDDDDDDD",  // 8
    ".KKKDDDDDDD.",  // 9
    "..KKKKDDDD..",  // 10
    "...KKKKKK...",  // 11
};

IndexedIcon BallCursor() {
  static constexpr Letter kLegend[]{{'K', 0}, {'D', 2}, {'L', 7}, {'G', 10}};
  std::array<std::string, kIconSide> padded;
  padded.fill(std::string(kIconSide, '.'));
  for (std::size_t y = 0; y < kBallCursorRows.size(); ++y) {
    padded[y].replace(0, kBallCursorRows[y].size(), kBallCursorRows[y]);
  }
  std::array<std::string_view, kIconSide> rows;
  for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = padded[y];
  return IconFromRows(rows, kLegend);
}

}  // namespace tessel::resources
