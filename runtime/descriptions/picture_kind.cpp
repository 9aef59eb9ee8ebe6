#include "runtime/descriptions/picture_kind.h"

#include <algorithm>
#include <array>
#include <cstdlib>

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

// Icon and cursor directory: 6-byte header, then 16-byte entries.
constexpr std::size_t kDirectoryCountAt = 4;
constexpr std::size_t kFirstEntryAt = 6;
constexpr std::size_t kEntrySize = 16;
// Bitmap: 14-byte file header, then the info header, whose first field is its own size.
constexpr std::size_t kInfoHeaderAt = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // OS/2 header with 16-bit sizes
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t Le(std::span<const std::uint8_t> file, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i)
    value |= static_cast<std::uint32_t>(file[at + i]) << (8 * i);
  return value;
}

// An entry's width and height bytes count 256 as 0.
std::optional<PictureSize> IconSize(std::span<const std::uint8_t> file) {
  if (file.size() < kFirstEntryAt + kEntrySize || Le(file, kDirectoryCountAt, 2) == 0) {
    return std::nullopt;
  }
  auto side = [](std::uint8_t byte) { return byte == 0 ? 256 : byte; };
  return PictureSize{side(file[kFirstEntryAt]), side(file[kFirstEntryAt + 1])};
}

// A negative height marks a top-down bitmap; the size is its magnitude.
std::optional<PictureSize> BitmapSize(std::span<const std::uint8_t> file) {
  if (file.size() < kInfoHeaderAt + 4) return std::nullopt;
  std::uint32_t header_size = Le(file, kInfoHeaderAt, 4);
  if (header_size == kCoreHeaderSize && file.size() >= kInfoHeaderAt + kCoreHeaderSize) {
    return PictureSize{Le(file, 18, 2), Le(file, 20, 2)};
  }
  if (header_size >= kInfoHeaderSize && file.size() >= kInfoHeaderAt + kInfoHeaderSize) {
    auto width = static_cast<std::int32_t>(Le(file, 18, 4));
    auto height = static_cast<std::int32_t>(Le(file, 22, 4));
    return PictureSize{width, std::llabs(height)};
  }
  return std::nullopt;
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

std::optional<PictureSize> SizeOfPictureFile(std::span<const std::uint8_t> file, PictureKind kind) {
  return kind == PictureKind::kBitmap ? BitmapSize(file) : IconSize(file);
}

}  // namespace tessel::descriptions
