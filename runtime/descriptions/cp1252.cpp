#include "runtime/descriptions/cp1252.h"

namespace tessel::descriptions {
namespace {

// 0x80..0x9F are where code page 1252 differs from Latin-1.
constexpr char32_t kHighControls[32] = {
    0x20AC,      kUnassigned, 0x201A, 0x0192, 0x201E, 0x2026,      0x2020, 0x2021,       // 80-87
    0x02C6,      0x2030,      0x0160, 0x2039, 0x0152, kUnassigned, 0x017D, kUnassigned,  // 88-8F
    kUnassigned, 0x2018,      0x2019, 0x201C, 0x201D, 0x2022,      0x2013, 0x2014,       // 90-97
    0x02DC,      0x2122,      0x0161, 0x203A, 0x0153, kUnassigned, 0x017E, 0x0178,       // 98-9F
};

}  // namespace

char32_t Cp1252CodePoint(std::uint8_t byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

void AppendUtf8(std::string& out, char32_t character) {
  if (character < 0x80) {
    out += static_cast<char>(character);
  } else if (character < 0x800) {
    out += static_cast<char>(0xC0 | (character >> 6));
    out += static_cast<char>(0x80 | (character & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (character >> 12));
    out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (character & 0x3F));
  }
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    AppendUtf8(out, Cp1252CodePoint(static_cast<std::uint8_t>(c)));
  }
  return out;
}

}  // namespace tessel::descriptions
