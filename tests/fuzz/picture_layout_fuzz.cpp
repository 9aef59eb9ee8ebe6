// Any bytes as a picture file, read as each of the three kinds: the reader either refuses them
// naming an offset inside the file, or gives parts that lie inside the file and a size the
// window system can be handed. The Win32 backend passes these parts to GDI unchecked.

#include <cstdint>
#include <cstdlib>
#include <span>

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
  if (kind == d::PictureKind::kBitmap) {
    if (layout.bits_size == 0 || !Inside(file.size(), layout.bits_offset, layout.bits_size)) {
      std::abort();
    }
    // The rows come after the header and colour table, never inside them.
    if (layout.bits_offset < layout.info_offset + layout.info_size) std::abort();
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
