#include "runtime/win32/picture_layout.h"

#include <cstdlib>

namespace tessel::runtime::win32 {
namespace {

using descriptions::PictureKind;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr int kLargestSide = 0x7FFF;

// Fields are little-endian; callers have checked that they lie inside the file.
std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

std::int32_t I32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(U32(b, at));
}

bool Fits(std::span<const std::uint8_t> b, std::uint64_t offset, std::uint64_t size) {
  return offset <= b.size() && size <= b.size() - offset;
}

PictureLayout Failure(std::size_t offset, const std::string& expected) {
  PictureLayout layout;
  layout.error = "offset " + std::to_string(offset) + ": expected " + expected;
  return layout;
}

bool KnownBitCount(std::uint32_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// BITMAPINFOHEADER at 14, masks and colour table after it, rows at bfOffBits.
PictureLayout LocateBitmap(std::span<const std::uint8_t> b) {
  if (!Fits(b, 0, kFileHeaderSize + kInfoHeaderSize)) {
    return Failure(0, "a file header and a 40-byte BITMAPINFOHEADER");
  }
  if (b[0] != 'B' || b[1] != 'M') return Failure(0, "\"BM\"");
  const std::uint32_t header_size = U32(b, 14);
  if (header_size < kInfoHeaderSize || !Fits(b, kFileHeaderSize, header_size)) {
    return Failure(14, "a header size of at least 40 that fits the file");
  }
  const std::int32_t width = I32(b, 18);
  const std::int32_t height = I32(b, 22);
  if (width <= 0 || width > kLargestSide || height == 0 || std::abs(height) > kLargestSide) {
    return Failure(18, "a width of 1 to 32767 and a height of 1 to 32767 either way up");
  }
  if (U16(b, 26) != 1) return Failure(26, "1 plane");
  const std::uint32_t bits = U16(b, 28);
  if (!KnownBitCount(bits)) return Failure(28, "1, 4, 8, 16, 24 or 32 bits per pixel");
  const std::uint32_t compression = U32(b, 30);
  if (compression != kRgb && !(compression == kBitFields && (bits == 16 || bits == 32))) {
    return Failure(30, "uncompressed rows");
  }
  const std::uint32_t used = U32(b, 46);
  if (used > 256) return Failure(46, "at most 256 palette colours");
  const std::uint64_t colours = used != 0 ? used : (bits <= 8 ? 1u << bits : 0u);
  const std::uint64_t masks = compression == kBitFields && header_size == kInfoHeaderSize ? 12 : 0;
  const std::uint64_t info_size = header_size + masks + colours * 4;
  if (!Fits(b, kFileHeaderSize, info_size)) {
    return Failure(kFileHeaderSize + header_size, "the masks and colour table inside the file");
  }
  const std::uint32_t bits_offset = U32(b, 10);
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const std::uint64_t bits_size = stride * static_cast<std::uint64_t>(std::abs(height));
  if (bits_offset < kFileHeaderSize + info_size || !Fits(b, bits_offset, bits_size)) {
    return Failure(10, "pixel rows of " + std::to_string(bits_size) +
                           " bytes after the colour table and inside the file");
  }
  PictureLayout layout;
  layout.width = width;
  layout.height = std::abs(height);
  layout.info_offset = kFileHeaderSize;
  layout.info_size = static_cast<std::size_t>(info_size);
  layout.bits_offset = bits_offset;
  layout.bits_size = static_cast<std::size_t>(bits_size);
  return layout;
}

// Directory of six bytes, then sixteen-byte entries; the first entry's image is the picture.
PictureLayout LocateIcon(std::span<const std::uint8_t> b, PictureKind kind) {
  if (!Fits(b, 0, kDirectorySize + kEntrySize)) {
    return Failure(0, "an icon directory with one 16-byte entry");
  }
  const std::uint32_t type = kind == PictureKind::kCursor ? 2 : 1;
  if (U16(b, 0) != 0 || U16(b, 2) != type) {
    return Failure(0, "reserved 0 and type " + std::to_string(type) + " (" +
                          std::string(descriptions::PictureKindName(kind)) + ")");
  }
  if (U16(b, 4) == 0) return Failure(4, "at least one image");
  const std::uint32_t image_size = U32(b, 14);
  const std::uint32_t image_offset = U32(b, 18);
  if (image_size < kInfoHeaderSize || !Fits(b, image_offset, image_size)) {
    return Failure(14, "an image of at least 40 bytes inside the file");
  }
  if (U32(b, image_offset) != kInfoHeaderSize) {
    return Failure(image_offset, "a 40-byte BITMAPINFOHEADER (PNG images are not read)");
  }
  PictureLayout layout;
  layout.kind = kind;
  layout.width = b[6] != 0 ? b[6] : 256;
  layout.height = b[7] != 0 ? b[7] : 256;
  layout.info_offset = image_offset;
  layout.info_size = image_size;
  if (kind == PictureKind::kCursor) {
    layout.hot_spot_x = static_cast<int>(U16(b, 10));
    layout.hot_spot_y = static_cast<int>(U16(b, 12));
  }
  return layout;
}

}  // namespace

PictureLayout LocatePicture(std::span<const std::uint8_t> file, PictureKind kind) {
  return kind == PictureKind::kBitmap ? LocateBitmap(file) : LocateIcon(file, kind);
}

}  // namespace tessel::runtime::win32
