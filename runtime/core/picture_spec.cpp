#include "runtime/core/picture_spec.h"

#include <utility>

#include "runtime/descriptions/description_error.h"

namespace tessel::runtime {

std::optional<PictureSpec> ReadPicture(std::vector<std::uint8_t> file) {
  const std::optional<PictureKind> kind = descriptions::KindOfPictureFile(file);
  if (!kind) return std::nullopt;
  PictureSpec picture;
  try {
    static_cast<descriptions::PictureLayout&>(picture) =
        descriptions::ReadPictureLayout(file, *kind);
  } catch (const descriptions::DescriptionError&) {
    return std::nullopt;
  }
  picture.file = std::move(file);
  return picture;
}

}  // namespace tessel::runtime
