#include "runtime/win32/gdi_store.h"

#include "runtime/core/units.h"
#include "runtime/win32/text.h"

namespace tessel::runtime::win32 {
namespace {

constexpr std::uint8_t kItalic = 0x02;
constexpr std::uint8_t kUnderline = 0x04;
constexpr std::uint8_t kStrikeOut = 0x08;

}  // namespace

COLORREF ToColorRef(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColor(static_cast<int>(SystemColourIndex(colour)));
  return colour.value & 0x00FFFFFF;
}

GdiStore::~GdiStore() {
  for (auto& [record, font] : fonts_) DeleteObject(font);
  for (auto& [value, brush] : brushes_) DeleteObject(brush);
  for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
  for (HICON icon : icons_) DestroyIcon(icon);
}

HFONT GdiStore::Font(const FontRecord& record) {
  for (const auto& [known, font] : fonts_) {
    if (known == record) return font;
  }
  const std::wstring face = WidenCp1252(record.face);
  HFONT font = CreateFontW(
      -FontSizeToPixels(record.size), 0, 0, 0, record.weight, (record.attributes & kItalic) != 0,
      (record.attributes & kUnderline) != 0, (record.attributes & kStrikeOut) != 0,
      static_cast<BYTE>(record.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  fonts_.emplace_back(record, font);
  return font;
}

HBRUSH GdiStore::Brush(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColorBrush(static_cast<int>(SystemColourIndex(colour)));
  HBRUSH& brush = brushes_[colour.value];
  if (!brush) brush = CreateSolidBrush(ToColorRef(colour));
  return brush;
}

}  // namespace tessel::runtime::win32
