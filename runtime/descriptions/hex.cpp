#include "runtime/descriptions/hex.h"

namespace tessel::descriptions {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// Upper-case digits of the low `digits` nibbles of value, most significant first.
std::string Digits(std::uint32_t value, int digits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) {
    text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
  }
  return text;
}

}  // namespace

std::string HexByte(std::uint8_t byte) { return "0x" + Digits(byte, 2); }

std::string Hex32(std::uint32_t value) { return "0x" + Digits(value, 8); }

std::string HexBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::uint8_t byte : bytes) {
    if (!text.empty()) text += ' ';
    text += Digits(byte, 2);
  }
  return text;
}

std::string FormatGuid(const Guid& guid) {
  // Appended piece by piece: GCC 12 at -O3 takes "{" + a temporary for an overlapping copy.
  std::string text = "{";
  text += Digits(guid.data1, 8) + "-" + Digits(guid.data2, 4) + "-" + Digits(guid.data3, 4) + "-";
  for (std::size_t i = 0; i < guid.data4.size(); ++i) {
    if (i == 2) text += '-';
    text += Digits(guid.data4[i], 2);
  }
  return text + "}";
}

}  // namespace tessel::descriptions
