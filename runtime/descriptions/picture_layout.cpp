#include "runtime/descriptions/picture_layout.h"

#include <cstdlib>
#include <string>

#include "runtime/descriptions/byte_cursor.h"
#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/hex.h"

namespace tessel::descriptions {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::int64_t kLargestSide = 0x7FFF;

// The fields of a file at the offsets its format gives them.
class Fields {
 public:
  explicit Fields(std::span<const std::uint8_t> file) : file_(file), cursor_(file) {}

  std::size_t size() const { return file_.size(); }
  bool Fits(std::uint64_t offset, std::uint64_t length) const {
    return offset <= file_.size() && length <= file_.size() - offset;
  }
  std::uint8_t U8(std::size_t at) { return Seek(at).ReadU8("byte"); }
  std::uint16_t U16(std::size_t at) { return Seek(at).ReadU16("16-bit field"); }
  std::uint32_t U32(std::size_t at) { return Seek(at).ReadU32("32-bit field"); }
  std::int32_t I32(std::size_t at) { return Seek(at).ReadI32("32-bit field"); }

 private:
  ByteCursor& Seek(std::size_t at) {
    cursor_.Seek(at, "a field inside the file");
    return cursor_;
  }

  std::span<const std::uint8_t> file_;
  ByteCursor cursor_;
};

[[noreturn]] void Refuse(std::size_t offset, std::string expected, std::string found) {
  throw DescriptionError(offset, std::move(expected), std::move(found));
}

std::string Length(std::uint64_t n) { return std::to_string(n) + " bytes"; }

bool KnownBitCount(std::uint32_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool ShowableSides(std::int64_t width, std::int64_t height) {
  return width > 0 && width <= kLargestSide && height != 0 && std::llabs(height) <= kLargestSide;
}

// The header's own fields: size, sides, planes, bits and compression; returns the header size.
std::uint32_t ReadInfoHeader(Fields& f) {
  const std::uint32_t header_size = f.U32(14);
  if (header_size < kInfoHeaderSize || !f.Fits(kFileHeaderSize, header_size)) {
    Refuse(14, "a header size of at least 40 that fits the file", std::to_string(header_size));
  }
  if (!ShowableSides(f.I32(18), f.I32(22))) {
    Refuse(18, "a width of 1 to 32767 and a height of 1 to 32767 either way up",
           std::to_string(f.I32(18)) + " x " + std::to_string(f.I32(22)));
  }
  if (f.U16(26) != 1) Refuse(26, "1 plane", std::to_string(f.U16(26)));
  if (!KnownBitCount(f.U16(28))) {
    Refuse(28, "1, 4, 8, 16, 24 or 32 bits per pixel", std::to_string(f.U16(28)));
  }
  const std::uint32_t compression = f.U32(30);
  const bool masked = compression == kBitFields && (f.U16(28) == 16 || f.U16(28) == 32);
  if (compression != kRgb && !masked) {
    Refuse(30, "uncompressed rows", "compression " + std::to_string(compression));
  }
  return header_size;
}

// Rows of `width` pixels padded to four bytes, as bitmaps and both of an icon's images store them.
std::uint64_t Stride(std::uint64_t width, std::uint64_t bits) {
  return (width * bits + 31) / 32 * 4;
}

// BITMAPINFOHEADER at 14, masks and colour table after it, rows at bfOffBits.
PictureLayout ReadBitmap(Fields& f) {
  if (!f.Fits(0, kFileHeaderSize + kInfoHeaderSize)) {
    Refuse(0, "a file header and a 40-byte BITMAPINFOHEADER", Length(f.size()));
  }
  if (f.U8(0) != 'B' || f.U8(1) != 'M') Refuse(0, "\"BM\"", HexByte(f.U8(0)));
  const std::uint32_t header_size = ReadInfoHeader(f);
  const std::uint32_t bits = f.U16(28);
  const std::uint32_t used = f.U32(46);
  if (used > 256) Refuse(46, "at most 256 palette colours", std::to_string(used));
  const std::uint64_t colours = used != 0 ? used : (bits <= 8 ? 1u << bits : 0u);
  const bool masks_follow = f.U32(30) == kBitFields && header_size == kInfoHeaderSize;
  const std::uint64_t info_size = header_size + (masks_follow ? 12 : 0) + colours * 4;
  if (!f.Fits(kFileHeaderSize, info_size)) {
    Refuse(kFileHeaderSize + header_size, "the masks and colour table inside the file",
           Length(f.size()));
  }
  const std::int32_t width = f.I32(18);
  const std::int32_t height = std::abs(f.I32(22));
  const std::uint32_t bits_offset = f.U32(10);
  const std::uint64_t bits_size =
      Stride(static_cast<std::uint64_t>(width), bits) * static_cast<std::uint64_t>(height);
  if (bits_offset < kFileHeaderSize + info_size || !f.Fits(bits_offset, bits_size)) {
    Refuse(10, "pixel rows of " + Length(bits_size) + " after the colour table and inside the file",
           "rows at " + std::to_string(bits_offset) + " in a file of " + Length(f.size()));
  }
  PictureLayout layout;
  layout.width = width;
  layout.height = height;
  layout.info_offset = kFileHeaderSize;
  layout.info_size = static_cast<std::size_t>(info_size);
  layout.bits_offset = bits_offset;
  layout.bits_size = static_cast<std::size_t>(bits_size);
  layout.bits_per_pixel = static_cast<int>(bits);
  return layout;
}

// The image after the directory: header, colours, XOR rows, AND rows, all inside the image.
void ReadIconImage(Fields& f, std::size_t image_offset, std::size_t image_size,
                   PictureLayout& layout) {
  const std::uint32_t bits = f.U16(image_offset + 14);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
    Refuse(image_offset + 14, "1, 4, 8, 24 or 32 bits per pixel", std::to_string(bits));
  }
  if (f.U32(image_offset + 16) != kRgb) {
    Refuse(image_offset + 16, "uncompressed rows", std::to_string(f.U32(image_offset + 16)));
  }
  const std::uint32_t used = f.U32(image_offset + 32);
  const std::uint64_t colours = used != 0 ? used : (bits <= 8 ? 1u << bits : 0u);
  const auto width = static_cast<std::uint64_t>(layout.width);
  const auto height = static_cast<std::uint64_t>(layout.height);
  const std::uint64_t palette_offset = image_offset + kInfoHeaderSize;
  const std::uint64_t bits_offset = palette_offset + colours * 4;
  const std::uint64_t bits_size = Stride(width, bits) * height;
  const std::uint64_t mask_offset = bits_offset + bits_size;
  if (colours > 256 || mask_offset + Stride(width, 1) * height > image_offset + image_size) {
    Refuse(image_offset + 32,
           "colours, rows and mask of " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels inside the image",
           Length(image_size));
  }
  layout.bits_per_pixel = static_cast<int>(bits);
  layout.palette_offset = static_cast<std::size_t>(palette_offset);
  layout.palette_size = static_cast<std::size_t>(colours);
  layout.bits_offset = static_cast<std::size_t>(bits_offset);
  layout.bits_size = static_cast<std::size_t>(bits_size);
  layout.mask_offset = static_cast<std::size_t>(mask_offset);
}

// Directory of six bytes, then sixteen-byte entries; the first entry's image is the picture.
// An entry's width and height bytes count 256 as 0.
PictureLayout ReadIcon(Fields& f, PictureKind kind) {
  if (!f.Fits(0, kDirectorySize + kEntrySize)) {
    Refuse(0, "an icon directory with one 16-byte entry", Length(f.size()));
  }
  const std::uint32_t type = kind == PictureKind::kCursor ? 2 : 1;
  if (f.U16(0) != 0 || f.U16(2) != type) {
    Refuse(0,
           "reserved 0 and type " + std::to_string(type) + " (" +
               std::string(PictureKindName(kind)) + ")",
           std::to_string(f.U16(0)) + " and type " + std::to_string(f.U16(2)));
  }
  if (f.U16(4) == 0) Refuse(4, "at least one image", "none");
  const std::uint32_t image_size = f.U32(14);
  const std::uint32_t image_offset = f.U32(18);
  if (image_size < kInfoHeaderSize || !f.Fits(image_offset, image_size)) {
    Refuse(14, "an image of at least 40 bytes inside the file",
           Length(image_size) + " at " + std::to_string(image_offset));
  }
  if (f.U32(image_offset) != kInfoHeaderSize) {
    Refuse(image_offset, "a 40-byte BITMAPINFOHEADER (PNG images are not read)",
           "header size " + std::to_string(f.U32(image_offset)));
  }
  PictureLayout layout;
  layout.kind = kind;
  layout.width = f.U8(6) != 0 ? f.U8(6) : 256;
  layout.height = f.U8(7) != 0 ? f.U8(7) : 256;
  layout.info_offset = image_offset;
  layout.info_size = image_size;
  ReadIconImage(f, image_offset, image_size, layout);
  if (kind == PictureKind::kCursor) {
    layout.hot_spot_x = f.U16(10);
    layout.hot_spot_y = f.U16(12);
  }
  return layout;
}

}  // namespace

PictureLayout ReadPictureLayout(std::span<const std::uint8_t> file, PictureKind kind) {
  Fields fields(file);
  return kind == PictureKind::kBitmap ? ReadBitmap(fields) : ReadIcon(fields, kind);
}

}  // namespace tessel::descriptions
