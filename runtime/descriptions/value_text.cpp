#include "runtime/descriptions/value_text.h"

#include <string_view>

#include "runtime/descriptions/hex.h"
#include "runtime/descriptions/picture_summary.h"
#include "runtime/descriptions/quoted_text.h"
#include "runtime/descriptions/system_colour.h"

namespace tessel::descriptions {

namespace {

constexpr std::uint32_t kFontSizeUnitsPerPoint = 10000;

std::string FormatColour(Colour colour) {
  std::string text = Hex32(colour.value);
  if (colour.value >> 24 == 0) return text;
  if (colour.value >> 24 != kSystemColourFlag >> 24) return text + " (not a colour value)";
  std::uint32_t index = SystemColourIndex(colour);
  text += " (system colour " + std::to_string(index);
  if (std::string_view role = SystemColourRole(index); !role.empty()) {
    text += ", " + std::string(role);
  }
  return text + ")";
}

// 97500 becomes "9.75": exact, without a floating-point round trip.
std::string FormatPoints(std::uint32_t size) {
  std::string text = std::to_string(size / kFontSizeUnitsPerPoint);
  std::uint32_t fraction = size % kFontSizeUnitsPerPoint;
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction + kFontSizeUnitsPerPoint).substr(1);
  digits.erase(digits.find_last_not_of('0') + 1);
  return text + "." + digits;
}

std::string FormatFont(const FontRecord& font) {
  std::string text = QuoteText(font.face) + " " + FormatPoints(font.size) + " pt, weight " +
                     std::to_string(font.weight) + ", charset " + std::to_string(font.charset) +
                     ", attributes " + HexByte(font.attributes);
  if (font.version != 1) text += ", version " + std::to_string(font.version);
  return text;
}

struct ValueText {
  std::string operator()(const std::string& text) const { return QuoteText(text); }
  std::string operator()(std::uint8_t byte) const {
    return std::to_string(byte) + " (" + HexByte(byte) + ")";
  }
  std::string operator()(std::int16_t integer) const { return std::to_string(integer); }
  std::string operator()(const Colour& colour) const { return FormatColour(colour); }
  std::string operator()(const Geometry& g) const {
    return "Left " + std::to_string(g.left) + ", Top " + std::to_string(g.top) + ", Width " +
           std::to_string(g.width) + ", Height " + std::to_string(g.height);
  }
  std::string operator()(const ClientRect& r) const {
    return "ClientLeft " + std::to_string(r.left) + ", ClientTop " + std::to_string(r.top) +
           ", ClientWidth " + std::to_string(r.width) + ", ClientHeight " +
           std::to_string(r.height);
  }
  std::string operator()(const FontRecord& font) const { return FormatFont(font); }
  std::string operator()(const Picture& picture) const { return SummarizePicture(picture); }
  std::string operator()(const FourBytes& bytes) const { return HexBytes(bytes); }
};

}  // namespace

std::string FormatValue(const Value& value) { return std::visit(ValueText{}, value); }

}  // namespace tessel::descriptions
