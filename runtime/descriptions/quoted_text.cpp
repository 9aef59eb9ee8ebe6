#include "runtime/descriptions/quoted_text.h"

#include <cstdint>

#include "runtime/descriptions/hex.h"

namespace tessel::descriptions {

namespace {

// Code points of 0x80 to 0x9F in code page 1252; 0 where the code page assigns nothing.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

constexpr std::uint8_t kNoBreakSpace = 0xA0;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The code point a byte shows as, or 0 where it is better written as an escape.
char32_t Printable(std::uint8_t byte) {
  if (byte >= 0x20 && byte < 0x7F) return byte;
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  if (byte > kNoBreakSpace) return byte;
  return 0;
}

void AppendEscaped(std::string& out, std::uint8_t byte) {
  switch (byte) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  if (char32_t c = Printable(byte)) {
    AppendUtf8(out, c);
  } else {
    out += "\\x" + HexByte(byte).substr(2);
  }
}

}  // namespace

std::string QuoteText(std::string_view cp1252) {
  std::string out = "\"";
  for (char c : cp1252) AppendEscaped(out, static_cast<std::uint8_t>(c));
  return out + "\"";
}

}  // namespace tessel::descriptions
