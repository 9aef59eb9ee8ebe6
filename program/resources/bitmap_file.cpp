#include "program/resources/bitmap_file.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>

#include "program/resources/little_endian.h"

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

std::string_view NextToken(std::string_view& text) {
  const auto start = text.find_first_not_of(" \t\n");
  if (start == std::string_view::npos) {
    text = {};
    return {};
  }
  text.remove_prefix(start);
  const auto end = std::min(text.find_first_of(" \t\n"), text.size());
  const std::string_view token = text.substr(0, end);
  text.remove_prefix(end);
  return token;
}

std::uint32_t ParseNumber(std::string_view token, int base) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value, base);
  if (error != std::errc() || end != token.data() + token.size()) {
    throw std::invalid_argument("bad number '" + std::string(token) + "' in colour row");
  }
  return value;
}

Rgb ParseColour(std::string_view token) {
  if (token.size() != 6) {
    throw std::invalid_argument("expected six hex digits, got '" + std::string(token) + "'");
  }
  const std::uint32_t value = ParseNumber(token, 16);
  return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value)};
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

std::vector<Rgb> ParseColourRow(std::string_view text) {
  std::vector<Rgb> row;
  for (std::string_view token = NextToken(text); !token.empty(); token = NextToken(text)) {
    if (token.front() != 'x') {
      row.push_back(ParseColour(token));
      continue;
    }
    const std::uint32_t count = ParseNumber(token.substr(1), 10);
    if (row.empty() || count < 2) {
      throw std::invalid_argument("'" + std::string(token) + "' must follow a colour");
    }
    row.insert(row.end(), count - 1, row.back());
  }
  return row;
}

}  // namespace tessel::resources
