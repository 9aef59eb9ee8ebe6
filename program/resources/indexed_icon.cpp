#include "program/resources/indexed_icon.h"

#include <stdexcept>
#include <string>

namespace tessel::resources {

IndexedIcon IconFromRows(std::span<const std::string_view> rows, std::span<const Letter> legend) {
  if (rows.size() != kIconSide) throw std::invalid_argument("icon needs 32 rows");
  IndexedIcon icon;
  for (int y = 0; y < kIconSide; ++y) {
    const std::string_view row = rows[y];
    if (row.size() != kIconSide) {
      throw std::invalid_argument("icon row " + std::to_string(y) + " is not 32 pixels");
    }
    for (int x = 0; x < kIconSide; ++x) {
      const int at = y * kIconSide + x;
      if (row[x] == '.') {
        // Transparent pixels keep index 0 so that the AND/XOR pair leaves the screen as it is.
        icon.transparent[at] = true;
        continue;
      }
      bool found = false;
      for (const Letter& entry : legend) {
        if (entry.letter == row[x]) {
          icon.index[at] = entry.index;
          found = true;
        }
      }
      if (!found) {
        throw std::invalid_argument("icon row " + std::to_string(y) + " has unknown letter '" +
                                    std::string(1, row[x]) + "'");
      }
    }
  }
  return icon;
}

}  // namespace tessel::resources
