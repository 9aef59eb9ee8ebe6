#include "runtime/core/fonts.h"

#include "runtime/core/units.h"
#include "runtime/descriptions/cp1252.h"

namespace tessel::runtime {
namespace {

constexpr std::uint16_t kBold = 700;
constexpr std::uint8_t kItalic = 0x02;
constexpr std::uint8_t kUnderline = 0x04;
constexpr std::uint8_t kStrikeOut = 0x08;

constexpr std::uint32_t kDefaultSize = 82500;  // 8.25 pt: a line of 13 pixels
constexpr int kTitleBarPixels = 11;

}  // namespace

ResolvedFont ResolveFont(const descriptions::FontRecord& record) {
  ResolvedFont font;
  font.face = descriptions::Cp1252ToUtf8(record.face);
  font.pixel_size = FontSizeToPixels(record.size);
  font.bold = record.weight >= kBold;
  font.italic = (record.attributes & kItalic) != 0;
  font.underline = (record.attributes & kUnderline) != 0;
  font.strike_out = (record.attributes & kStrikeOut) != 0;
  font.charset = static_cast<std::uint8_t>(record.charset);
  return font;
}

ResolvedFont DefaultWindowFont() {
  ResolvedFont font;
  font.face = kDefaultFace;
  font.pixel_size = FontSizeToPixels(kDefaultSize);
  return font;
}

ResolvedFont TitleBarFont() {
  ResolvedFont font;
  font.face = kDefaultFace;
  font.pixel_size = kTitleBarPixels;
  font.bold = true;
  return font;
}

}  // namespace tessel::runtime
