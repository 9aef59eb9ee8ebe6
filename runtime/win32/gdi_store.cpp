#include "runtime/win32/gdi_store.h"

#include "runtime/win32/text.h"

namespace tessel::runtime::win32 {

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

// A negative height asks for the characters' height, without the line's leading.
HFONT GdiStore::Font(const ResolvedFont& resolved) {
  for (const auto& [known, font] : fonts_) {
    if (known == resolved) return font;
  }
  const std::wstring face = Widen(resolved.face);
  HFONT font = CreateFontW(-resolved.pixel_size, 0, 0, 0, resolved.bold ? FW_BOLD : FW_NORMAL,
                           resolved.italic, resolved.underline, resolved.strike_out,
                           resolved.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (font) fonts_.emplace_back(resolved, font);
  return font;
}

HBRUSH GdiStore::Brush(Colour colour) {
  if (IsSystemColour(colour)) return GetSysColorBrush(static_cast<int>(SystemColourIndex(colour)));
  HBRUSH& brush = brushes_[colour.value];
  if (!brush) brush = CreateSolidBrush(ToColorRef(colour));
  return brush;
}

}  // namespace tessel::runtime::win32
