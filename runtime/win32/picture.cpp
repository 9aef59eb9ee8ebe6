#include "runtime/win32/picture.h"

#include <cstring>

namespace tessel::runtime::win32 {
namespace {

// The headers sit at odd offsets in the file; GDI gets them from properly aligned storage.
HBITMAP MakeBitmap(const PictureSpec& picture) {
  std::vector<std::uint32_t> info((picture.info_size + 3) / 4);
  std::memcpy(info.data(), picture.file.data() + picture.info_offset, picture.info_size);
  const auto* header = reinterpret_cast<const BITMAPINFO*>(info.data());
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap =
      CreateDIBitmap(screen, &header->bmiHeader, CBM_INIT,
                     picture.file.data() + picture.bits_offset, header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

// An icon image is handed over as a resource holds it; a cursor's resource starts with its hot
// spot.
HICON MakeIcon(const PictureSpec& picture) {
  std::vector<std::uint8_t> resource;
  const bool cursor = picture.kind == PictureKind::kCursor;
  if (cursor) {
    const auto x = static_cast<std::uint16_t>(picture.hot_spot_x);
    const auto y = static_cast<std::uint16_t>(picture.hot_spot_y);
    resource = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x >> 8),
                static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(y >> 8)};
  }
  const auto* image = picture.file.data() + picture.info_offset;
  resource.insert(resource.end(), image, image + picture.info_size);
  return CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), !cursor,
                                  0x00030000, picture.width, picture.height, LR_DEFAULTCOLOR);
}

}  // namespace

Picture DecodePicture(const PictureSpec& spec) {
  Picture picture;
  if (spec.kind == PictureKind::kBitmap) {
    picture.bitmap = MakeBitmap(spec);
  } else {
    picture.icon = MakeIcon(spec);
    picture.cursor = spec.kind == PictureKind::kCursor;
  }
  return picture;
}

}  // namespace tessel::runtime::win32
