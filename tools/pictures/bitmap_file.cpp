#include "tools/pictures/bitmap_file.h"

#include "tools/pictures/little_endian.h"

namespace tessel::resources {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t RowBytes(int width) { return (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4; }

void PutFileHeader(std::vector<std::uint8_t>& out, std::uint32_t file_size) {
  out.push_back('B');
  out.push_back('M');
  PutU32(out, file_size);
  PutU16(out, 0);
  PutU16(out, 0);
  PutU32(out, kFileHeaderSize + kInfoHeaderSize);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, const RgbImage& image, std::uint32_t bits_size) {
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(image.width()));
  PutU32(out, static_cast<std::uint32_t>(image.height()));  // positive: bottom row first
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);
  PutU32(out, bits_size);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 0);
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmapFile(const RgbImage& image) {
  const std::uint32_t row_bytes = RowBytes(image.width());
  const std::uint32_t bits_size = row_bytes * static_cast<std::uint32_t>(image.height());
  const std::uint32_t file_size = kFileHeaderSize + kInfoHeaderSize + bits_size;
  std::vector<std::uint8_t> out;
  out.reserve(file_size);
  PutFileHeader(out, file_size);
  PutInfoHeader(out, image, bits_size);
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb& pixel = image.at(x, y);
      out.insert(out.end(), {pixel.blue, pixel.green, pixel.red});
    }
    out.resize(out.size() + (row_bytes - static_cast<std::uint32_t>(image.width()) * 3), 0);
  }
  return out;
}

}  // namespace tessel::resources
