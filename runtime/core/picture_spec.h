#pragma once

#include <cstdint>
#include <vector>

#include "runtime/descriptions/picture_layout.h"

namespace tessel::runtime {

using descriptions::PictureKind;

// A stored picture as a backend shows it: the file, of the kind its signature announces, with
// its parts located and its natural size read from its headers, at which it is shown.
struct PictureSpec : descriptions::PictureLayout {
  std::vector<std::uint8_t> file;
  bool operator==(const PictureSpec&) const = default;
};

// Throws descriptions::DescriptionError, with offsets in the file, for bytes of no kind a window
// system shows and for a file whose headers do not read: no picture shows as nothing.
PictureSpec ReadPicture(std::vector<std::uint8_t> file);

}  // namespace tessel::runtime
