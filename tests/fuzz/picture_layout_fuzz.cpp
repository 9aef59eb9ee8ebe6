// Any bytes as a picture file, read as each of the three kinds: the reader either refuses them
// naming an offset inside the file, or gives parts that lie inside the file and a size the
// window system can be handed. The backends read these parts, or pass them to GDI, unchecked,
// and the runtime turns them into pixels for those that are handed pixels.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "runtime/core/picture_pixels.h"
#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/picture_layout.h"

namespace {

namespace d = tessel::descriptions;

bool Inside(std::size_t size, std::size_t offset, std::size_t length) {
  return offset <= size && length <= size - offset;
}

void Check(std::span<const std::uint8_t> file, d::PictureKind kind) {
  d::PictureLayout layout;
  try {
    layout = d::ReadPictureLayout(file, kind);
  } catch (const d::DescriptionError& error) {
    if (error.offset() > file.size()) std::abort();
    return;
  }
  if (layout.kind != kind) std::abort();
  if (layout.width < 1 || layout.width > 0x7FFF || layout.height < 1 || layout.height > 0x7FFF) {
    std::abort();
  }
  if (layout.info_size < 40 || !Inside(file.size(), layout.info_offset, layout.info_size)) {
    std::abort();
  }
  if (layout.bits_size == 0 || !Inside(file.size(), layout.bits_offset, layout.bits_size)) {
    std::abort();
  }
  tessel::runtime::PictureSpec picture;
  static_cast<d::PictureLayout&>(picture) = layout;
  picture.file.assign(file.begin(), file.end());
  const std::size_t pixel_count = tessel::runtime::PicturePixels(picture).size();
  if (pixel_count != static_cast<std::size_t>(layout.width) * layout.height) std::abort();
  if (kind == d::PictureKind::kBitmap) {
    // The rows come after the header and colour table, never inside them.
    if (layout.bits_offset < layout.info_offset + layout.info_size) std::abort();
    return;
  }
  // An icon's colours, rows and mask lie inside its image, which the Qt backend reads unchecked.
  const std::size_t image_end = layout.info_offset + layout.info_size;
  const std::size_t mask_size = (static_cast<std::size_t>(layout.width) + 31) / 32 * 4 *
                                static_cast<std::size_t>(layout.height);
  if (layout.palette_offset + 4 * layout.palette_size > layout.bits_offset ||
      layout.mask_offset != layout.bits_offset + layout.bits_size ||
      layout.mask_offset + mask_size > image_end) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  for (const d::PictureKind kind :
       {d::PictureKind::kBitmap, d::PictureKind::kIcon, d::PictureKind::kCursor}) {
    Check(file, kind);
  }
  return 0;
}
