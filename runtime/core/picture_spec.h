#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/descriptions/picture_kind.h"

namespace tessel::runtime {

using descriptions::PictureKind;

// A stored picture as a backend shows it: the file, the kind its signature announces, and the
// natural size its header gives, at which it is shown.
struct PictureSpec {
  std::vector<std::uint8_t> file;
  PictureKind kind = PictureKind::kBitmap;
  int width = 0;  // 0 x 0 where the header gives no size a window system can show
  int height = 0;
  bool operator==(const PictureSpec&) const = default;
};

// nullopt for no bytes, and for bytes of no kind a window system shows.
std::optional<PictureSpec> ReadPicture(std::vector<std::uint8_t> file);

}  // namespace tessel::runtime
