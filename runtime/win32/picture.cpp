#include "runtime/win32/picture.h"

#include <cstring>

#include "runtime/core/diagnostics.h"
#include "runtime/win32/picture_layout.h"

namespace tessel::runtime::win32 {
namespace {

// The headers sit at odd offsets in the file; GDI gets them from properly aligned storage.
HBITMAP MakeBitmap(const std::vector<std::uint8_t>& file, const PictureLayout& layout) {
  std::vector<std::uint32_t> info((layout.info_size + 3) / 4);
  std::memcpy(info.data(), file.data() + layout.info_offset, layout.info_size);
  const auto* header = reinterpret_cast<const BITMAPINFO*>(info.data());
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBitmap(screen, &header->bmiHeader, CBM_INIT,
                                  file.data() + layout.bits_offset, header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

// An icon image is handed over as a resource holds it; a cursor's resource starts with its hot
// spot.
HICON MakeIcon(const std::vector<std::uint8_t>& file, const PictureLayout& layout) {
  std::vector<std::uint8_t> resource;
  const bool cursor = layout.kind == PictureKind::kCursor;
  if (cursor) {
    const auto x = static_cast<std::uint16_t>(layout.hot_spot_x);
    const auto y = static_cast<std::uint16_t>(layout.hot_spot_y);
    resource = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x >> 8),
                static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(y >> 8)};
  }
  const auto* image = file.data() + layout.info_offset;
  resource.insert(resource.end(), image, image + layout.info_size);
  return CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), !cursor,
                                  0x00030000, layout.width, layout.height, LR_DEFAULTCOLOR);
}

}  // namespace

Picture DecodePicture(const PictureSpec& spec) {
  const std::vector<std::uint8_t>& file = spec.file;
  const PictureLayout layout = LocatePicture(file, spec.kind);
  if (!layout.ok()) {
    LogLine("picture does not read: " + layout.error);
    return {};
  }
  Picture picture;
  if (spec.kind == PictureKind::kBitmap) {
    picture.bitmap = MakeBitmap(file, layout);
  } else {
    picture.icon = MakeIcon(file, layout);
    picture.cursor = spec.kind == PictureKind::kCursor;
  }
  return picture;
}

}  // namespace tessel::runtime::win32
