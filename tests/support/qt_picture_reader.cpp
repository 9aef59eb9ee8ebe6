#include "tests/support/qt_picture_reader.h"

#include <stdexcept>
#include <string>

namespace tessel::testing {

QImage ReadWithQt(const std::vector<std::uint8_t>& bytes, const char* format) {
  const QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), format);
  return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

QRgb LetterColour(char letter) {
  switch (letter) {
    case 'K':
      return qRgb(0x00, 0x00, 0x00);
    case 'T':
      return qRgb(0x00, 0x80, 0x80);
    case 'L':
      return qRgb(0xC0, 0xC0, 0xC0);
    case 'Y':
      return qRgb(0xFF, 0xFF, 0x00);
    case 'W':
      return qRgb(0xFF, 0xFF, 0xFF);
    case 'D':
      return qRgb(0x00, 0x80, 0x00);
    case 'G':
      return qRgb(0x00, 0xFF, 0x00);
  }
  throw std::invalid_argument(std::string("no colour for letter ") + letter);
}

QRgb HexColour(std::string_view six_digits) {
  const auto value = std::stoul(std::string(six_digits), nullptr, 16);
  return qRgb(static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF),
              static_cast<int>(value & 0xFF));
}

std::uint32_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return U16At(bytes, offset) | U16At(bytes, offset + 2) << 16;
}

bool OnPencilLevel(int channel) { return channel % 16 == 0 || channel % 16 == 15; }

}  // namespace tessel::testing
