#include "runtime/core/picture_pixels.h"

#include <bit>

namespace tessel::runtime {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kBitFields = 3;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U16(const std::uint8_t* at) { return at[0] | at[1] << 8; }
std::uint32_t U32(const std::uint8_t* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red << 16 | green << 8 | blue;
}

// One channel under its mask, as the top bits of eight; the low bits of a narrower field stay
// clear, as GDI leaves them.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::popcount(mask >> shift);
  const std::uint32_t field = (value & mask) >> shift;
  return width >= 8 ? field >> (width - 8) : field << (8 - width);
}

// The rows' decoding, shared by bitmaps and icons: palette, masks and bit count.
struct RowFormat {
  int bits = 0;
  const std::uint8_t* palette = nullptr;
  std::size_t palette_size = 0;
  std::uint32_t masks[3] = {};  // red, green, blue; set for 16 and 32 bits
};

std::uint32_t Pixel(const RowFormat& format, const std::uint8_t* row, int x) {
  const auto colour = [&](std::size_t index) -> std::uint32_t {
    if (index >= format.palette_size) return 0;
    const std::uint8_t* entry = format.palette + 4 * index;
    return Rgb(entry[2], entry[1], entry[0]);
  };
  const auto masked = [&](std::uint32_t value) {
    return Rgb(Channel(value, format.masks[0]), Channel(value, format.masks[1]),
               Channel(value, format.masks[2]));
  };
  switch (format.bits) {
    case 1:
      return colour((row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
      return colour((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8:
      return colour(row[x]);
    case 16:
      return masked(U16(row + 2 * x));
    case 24:
      return Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default:
      return masked(U32(row + 4 * x));
  }
}

// A bitmap's header says where its colour table and masks lie and which way up its rows run.
std::vector<std::uint32_t> BitmapPixels(const PictureSpec& bitmap) {
  const std::uint8_t* info = bitmap.file.data() + bitmap.info_offset;
  const std::uint32_t header_size = U32(info);
  const bool bit_fields = U32(info + 16) == kBitFields;
  const bool masks_follow = bit_fields && header_size == kInfoHeaderSize;
  RowFormat format;
  format.bits = bitmap.bits_per_pixel;
  const std::size_t masks_size = masks_follow ? 12 : 0;
  format.palette = info + header_size + masks_size;
  format.palette_size = (bitmap.info_size - header_size - masks_size) / 4;
  if (bit_fields) {
    for (int i = 0; i < 3; ++i) format.masks[i] = U32(info + kInfoHeaderSize + 4 * i);
  } else if (format.bits == 16) {
    format.masks[0] = 0x7C00, format.masks[1] = 0x03E0, format.masks[2] = 0x001F;
  } else {
    format.masks[0] = 0xFF0000, format.masks[1] = 0x00FF00, format.masks[2] = 0x0000FF;
  }
  const bool top_down = static_cast<std::int32_t>(U32(info + 8)) < 0;
  const std::size_t stride = bitmap.bits_size / static_cast<std::size_t>(bitmap.height);
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height));
  for (int y = 0; y < bitmap.height; ++y) {
    const auto stored = static_cast<std::size_t>(top_down ? y : bitmap.height - 1 - y);
    const std::uint8_t* row = bitmap.file.data() + bitmap.bits_offset + stored * stride;
    for (int x = 0; x < bitmap.width; ++x) pixels.push_back(kOpaque | Pixel(format, row, x));
  }
  return pixels;
}

// An icon's or cursor's one image: its colour rows, bottom row first, and its AND mask.
std::vector<std::uint32_t> IconPixels(const PictureSpec& icon) {
  RowFormat format;
  format.bits = icon.bits_per_pixel;
  format.palette = icon.file.data() + icon.palette_offset;
  format.palette_size = icon.palette_size;
  format.masks[0] = 0xFF0000, format.masks[1] = 0x00FF00, format.masks[2] = 0x0000FF;
  const std::size_t stride = icon.bits_size / static_cast<std::size_t>(icon.height);
  const std::size_t mask_stride = (static_cast<std::size_t>(icon.width) + 31) / 32 * 4;
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height));
  for (int y = 0; y < icon.height; ++y) {
    const auto bottom_up = static_cast<std::size_t>(icon.height - 1 - y);
    const std::uint8_t* row = icon.file.data() + icon.bits_offset + bottom_up * stride;
    const std::uint8_t* mask = icon.file.data() + icon.mask_offset + bottom_up * mask_stride;
    for (int x = 0; x < icon.width; ++x) {
      if (icon.bits_per_pixel == 32) {
        pixels.push_back(U32(row + 4 * x));
        continue;
      }
      const bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
      pixels.push_back(transparent ? 0 : kOpaque | Pixel(format, row, x));
    }
  }
  return pixels;
}

}  // namespace

std::vector<std::uint32_t> PicturePixels(const PictureSpec& picture) {
  return picture.kind == PictureKind::kBitmap ? BitmapPixels(picture) : IconPixels(picture);
}

}  // namespace tessel::runtime
