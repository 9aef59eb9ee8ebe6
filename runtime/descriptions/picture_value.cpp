#include "runtime/descriptions/picture_value.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/hex.h"
#include "runtime/descriptions/layout.h"
#include "runtime/descriptions/picture_kind.h"

namespace tessel::descriptions {

namespace {

using layout::kPictureFraming;
using layout::kPictureTag;

constexpr std::size_t kBitmapSizeField = 2;  // bfSize after "BM"

// Reads the rest length and checks that it fits both the data and the framing.
std::uint32_t ReadRestLength(ByteCursor& cursor) {
  std::size_t at = cursor.offset();
  std::uint32_t rest = cursor.ReadU32("picture length");
  if (rest > cursor.remaining()) {
    throw DescriptionError(at, "picture length at most " + std::to_string(cursor.remaining()),
                           std::to_string(rest));
  }
  if (rest < kPictureFraming) {
    throw DescriptionError(at, "picture length of at least 8", std::to_string(rest));
  }
  return rest;
}

void ReadTag(ByteCursor& cursor) {
  std::size_t at = cursor.offset();
  std::span<const std::uint8_t> tag = cursor.ReadBytes(kPictureTag.size(), "picture tag");
  if (!std::equal(tag.begin(), tag.end(), kPictureTag.begin())) {
    throw DescriptionError(at, "picture tag " + HexBytes(kPictureTag), HexBytes(tag));
  }
}

// A bitmap file records its own length; it must agree with the framing's.
void CheckBitmapSize(std::span<const std::uint8_t> file, std::size_t file_at) {
  std::size_t at = file_at + kBitmapSizeField;
  std::string expected = "bitmap file size " + std::to_string(file.size());
  if (file.size() < kBitmapSizeField + 4) {
    throw DescriptionError(at, expected, "end of the picture file");
  }
  ByteCursor field(file.subspan(kBitmapSizeField));
  const std::uint32_t bf_size = field.ReadU32("bitmap file size");
  if (bf_size != file.size()) throw DescriptionError(at, expected, std::to_string(bf_size));
}

void CheckSignature(std::span<const std::uint8_t> file, std::size_t file_at) {
  std::optional<PictureKind> kind = KindOfPictureFile(file);
  if (!kind) {
    std::string found = file.empty() ? "an empty file"
                                     : HexBytes(file.first(std::min<std::size_t>(4, file.size())));
    throw DescriptionError(
        file_at, "picture file starting 00 00 01 00 (icon), 00 00 02 00 (cursor) or 42 4D (bitmap)",
        found);
  }
  if (*kind == PictureKind::kBitmap) CheckBitmapSize(file, file_at);
}

}  // namespace

Picture ReadPictureValue(ByteCursor& cursor) {
  std::uint32_t rest = ReadRestLength(cursor);
  ReadTag(cursor);
  std::size_t length_at = cursor.offset();
  std::uint32_t file_length = cursor.ReadU32("picture file length");
  if (file_length != rest - kPictureFraming) {
    throw DescriptionError(length_at,
                           "picture file length " + std::to_string(rest - kPictureFraming) +
                               " (picture length " + std::to_string(rest) + " less 8)",
                           std::to_string(file_length));
  }
  std::size_t file_at = cursor.offset();
  std::span<const std::uint8_t> file = cursor.ReadBytes(file_length, "picture file");
  CheckSignature(file, file_at);
  return Picture{{file.begin(), file.end()}};
}

}  // namespace tessel::descriptions
