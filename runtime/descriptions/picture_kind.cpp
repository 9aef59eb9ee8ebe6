#include "runtime/descriptions/picture_kind.h"

#include <algorithm>
#include <array>

namespace tessel::descriptions {

namespace {

// Icon and cursor files share the directory layout; the type word tells them apart.
constexpr std::array<std::uint8_t, 4> kIconSignature{0x00, 0x00, 0x01, 0x00};
constexpr std::array<std::uint8_t, 4> kCursorSignature{0x00, 0x00, 0x02, 0x00};
constexpr std::array<std::uint8_t, 2> kBitmapSignature{'B', 'M'};

template <std::size_t N>
bool StartsWith(std::span<const std::uint8_t> file, const std::array<std::uint8_t, N>& prefix) {
  return file.size() >= N && std::equal(prefix.begin(), prefix.end(), file.begin());
}

}  // namespace

std::optional<PictureKind> KindOfPictureFile(std::span<const std::uint8_t> file) {
  if (StartsWith(file, kIconSignature)) return PictureKind::kIcon;
  if (StartsWith(file, kCursorSignature)) return PictureKind::kCursor;
  if (StartsWith(file, kBitmapSignature)) return PictureKind::kBitmap;
  return std::nullopt;
}

std::string_view PictureKindName(PictureKind kind) {
  switch (kind) {
    case PictureKind::kIcon:
      return "icon";
    case PictureKind::kCursor:
      return "cursor";
    case PictureKind::kBitmap:
      return "bitmap";
  }
  return "picture";
}

}  // namespace tessel::descriptions
