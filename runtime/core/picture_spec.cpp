#include "runtime/core/picture_spec.h"

#include <utility>

namespace tessel::runtime {
namespace {

constexpr std::int64_t kLargestSide = 0x7FFF;

bool Showable(const descriptions::PictureSize& size) {
  return size.width > 0 && size.height > 0 && size.width <= kLargestSide &&
         size.height <= kLargestSide;
}

}  // namespace

std::optional<PictureSpec> ReadPicture(std::vector<std::uint8_t> file) {
  const std::optional<PictureKind> kind = descriptions::KindOfPictureFile(file);
  if (!kind) return std::nullopt;
  PictureSpec picture{std::move(file), *kind, 0, 0};
  const auto size = descriptions::SizeOfPictureFile(picture.file, *kind);
  if (size && Showable(*size)) {
    picture.width = static_cast<int>(size->width);
    picture.height = static_cast<int>(size->height);
  }
  return picture;
}

}  // namespace tessel::runtime
