#include "runtime/core/picture_spec.h"

#include <algorithm>
#include <optional>
#include <span>
#include <utility>

#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/hex.h"

namespace tessel::runtime {

PictureSpec ReadPicture(std::vector<std::uint8_t> file) {
  const std::optional<PictureKind> kind = descriptions::KindOfPictureFile(file);
  if (!kind) {
    const std::span<const std::uint8_t> start(file.data(), std::min<std::size_t>(4, file.size()));
    throw descriptions::DescriptionError(0, "the signature of an icon, cursor or bitmap",
                                         file.empty() ? "no bytes" : descriptions::HexBytes(start));
  }
  PictureSpec picture;
  static_cast<descriptions::PictureLayout&>(picture) = descriptions::ReadPictureLayout(file, *kind);
  picture.file = std::move(file);
  return picture;
}

}  // namespace tessel::runtime
