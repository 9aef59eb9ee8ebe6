#include "tools/pictures/icon_file.h"

#include "tools/pictures/little_endian.h"

namespace tessel::resources {
namespace {

constexpr std::uint32_t kDirectorySize = 6 + 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kColourRowBytes = kIconSide / 2;
constexpr std::uint32_t kMaskRowBytes = kIconSide / 8;  // already a multiple of 4
constexpr std::uint32_t kBitsSize = (kColourRowBytes + kMaskRowBytes) * kIconSide;
constexpr std::uint32_t kImageSize = kInfoHeaderSize + 16 * 4 + kBitsSize;

// Index: red, green, blue.
constexpr std::array<std::array<std::uint8_t, 3>, 16> kPalette{{
    {0x00, 0x00, 0x00},
    {0x80, 0x00, 0x00},
    {0x00, 0x80, 0x00},
    {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80},
    {0x80, 0x00, 0x80},
    {0x00, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xFF},
}};

void PutDirectory(std::vector<std::uint8_t>& out, IconFileType type) {
  PutU16(out, 0);
  PutU16(out, static_cast<std::uint16_t>(type));
  PutU16(out, 1);
  out.push_back(kIconSide);
  out.push_back(kIconSide);
  out.push_back(16);
  out.push_back(0);
  // Planes and bit count for an icon, the hot spot for a cursor: zero either way.
  PutU16(out, 0);
  PutU16(out, 0);
  PutU32(out, kImageSize);
  PutU32(out, kDirectorySize);
}

void PutInfoHeader(std::vector<std::uint8_t>& out) {
  PutU32(out, kInfoHeaderSize);
  PutU32(out, kIconSide);
  PutU32(out, 2 * kIconSide);  // colour bitmap and mask stacked
  PutU16(out, 1);
  PutU16(out, 4);
  PutU32(out, 0);
  PutU32(out, kBitsSize);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 16);
  PutU32(out, 0);
}

void PutPalette(std::vector<std::uint8_t>& out) {
  for (const auto& [red, green, blue] : kPalette) {
    out.insert(out.end(), {blue, green, red, 0});
  }
}

void PutColourBitmap(std::vector<std::uint8_t>& out, const IndexedIcon& icon) {
  for (int y = kIconSide - 1; y >= 0; --y) {
    for (int x = 0; x < kIconSide; x += 2) {
      const auto left = icon.index[y * kIconSide + x];
      const auto right = icon.index[y * kIconSide + x + 1];
      out.push_back(static_cast<std::uint8_t>(left << 4 | right));
    }
  }
}

void PutMask(std::vector<std::uint8_t>& out, const IndexedIcon& icon) {
  for (int y = kIconSide - 1; y >= 0; --y) {
    for (int x = 0; x < kIconSide; x += 8) {
      std::uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (icon.transparent[y * kIconSide + x + bit])
          bits |= static_cast<std::uint8_t>(0x80 >> bit);
      }
      out.push_back(bits);
    }
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeIconFile(IconFileType type, const IndexedIcon& icon) {
  std::vector<std::uint8_t> out;
  out.reserve(kDirectorySize + kImageSize);
  PutDirectory(out, type);
  PutInfoHeader(out);
  PutPalette(out);
  PutColourBitmap(out, icon);
  PutMask(out, icon);
  return out;
}

}  // namespace tessel::resources
