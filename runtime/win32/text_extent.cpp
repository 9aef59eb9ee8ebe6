#include "runtime/win32/text_extent.h"

#include "runtime/win32/system_status.h"

namespace tessel::runtime::win32 {

TextSize TextExtent(HFONT font, std::wstring_view text) {
  HDC dc = nullptr;
  if (const Status status = Checked([&] { return dc = GetDC(nullptr); }); Failed(status)) {
    return {0, 0, status};
  }
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  TEXTMETRICW metrics{};
  const Status status = Checked([&] {
    return GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size) &&
           GetTextMetricsW(dc, &metrics);
  });
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return {static_cast<int>(size.cx), static_cast<int>(metrics.tmHeight), status};
}

}  // namespace tessel::runtime::win32
