#include "runtime/win32/text_extent.h"

namespace tessel::runtime::win32 {

TextSize TextExtent(HFONT font, std::wstring_view text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return {static_cast<int>(size.cx), static_cast<int>(metrics.tmHeight)};
}

}  // namespace tessel::runtime::win32
