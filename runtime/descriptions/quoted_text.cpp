#include "runtime/descriptions/quoted_text.h"

#include <cstdint>

#include "runtime/descriptions/cp1252.h"
#include "runtime/descriptions/hex.h"

namespace tessel::descriptions {

namespace {

constexpr std::uint8_t kNoBreakSpace = 0xA0;

// The code point a byte shows as, or 0 where it is better written as an escape.
char32_t Printable(std::uint8_t byte) {
  if (byte < 0x20 || byte == 0x7F || byte == kNoBreakSpace) return 0;
  const char32_t c = Cp1252CodePoint(byte);
  return c == kUnassigned ? 0 : c;
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
