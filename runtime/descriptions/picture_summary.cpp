#include "runtime/descriptions/picture_summary.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "runtime/descriptions/picture_kind.h"

namespace tessel::descriptions {

namespace {

struct Size {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

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
std::optional<Size> IconSize(std::span<const std::uint8_t> file) {
  if (file.size() < kFirstEntryAt + kEntrySize || Le(file, kDirectoryCountAt, 2) == 0) {
    return std::nullopt;
  }
  auto side = [](std::uint8_t byte) { return byte == 0 ? 256 : byte; };
  return Size{side(file[kFirstEntryAt]), side(file[kFirstEntryAt + 1])};
}

// A negative height marks a top-down bitmap; the size is its magnitude.
std::optional<Size> BitmapSize(std::span<const std::uint8_t> file) {
  if (file.size() < kInfoHeaderAt + 4) return std::nullopt;
  std::uint32_t header_size = Le(file, kInfoHeaderAt, 4);
  if (header_size == kCoreHeaderSize && file.size() >= kInfoHeaderAt + kCoreHeaderSize) {
    return Size{Le(file, 18, 2), Le(file, 20, 2)};
  }
  if (header_size >= kInfoHeaderSize && file.size() >= kInfoHeaderAt + kInfoHeaderSize) {
    auto width = static_cast<std::int32_t>(Le(file, 18, 4));
    auto height = static_cast<std::int32_t>(Le(file, 22, 4));
    return Size{width, std::llabs(height)};
  }
  return std::nullopt;
}

}  // namespace

std::string SummarizePicture(const Picture& picture) {
  std::string length = std::to_string(picture.file.size()) + " bytes";
  std::optional<PictureKind> kind = KindOfPictureFile(picture.file);
  if (!kind) return "unrecognised picture, " + length;
  std::optional<Size> size =
      *kind == PictureKind::kBitmap ? BitmapSize(picture.file) : IconSize(picture.file);
  std::string name(PictureKindName(*kind));
  if (!size) return name + " of unknown size, " + length;
  return name + " " + std::to_string(size->width) + " x " + std::to_string(size->height) +
         " pixels, " + length;
}

}  // namespace tessel::descriptions
