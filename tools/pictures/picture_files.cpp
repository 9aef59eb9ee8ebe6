// The small pictures' files, as program/resources/pictures.h declares them: each encoded once
// from its table.
#include "program/resources/picture_tables.h"
#include "program/resources/pictures.h"
#include "tools/pictures/bitmap_file.h"
#include "tools/pictures/icon_file.h"

namespace tessel::resources {

const std::vector<std::uint8_t>& StartIconFile() {
  static const std::vector<std::uint8_t> file = EncodeIconFile(IconFileType::kIcon, StartIcon());
  return file;
}

const std::vector<std::uint8_t>& BallCursorFile() {
  static const std::vector<std::uint8_t> file = EncodeIconFile(IconFileType::kCursor, BallCursor());
  return file;
}

const std::vector<std::uint8_t>& ShortStripFile() {
  static const std::vector<std::uint8_t> file = EncodeBitmapFile(ShortStrip());
  return file;
}

const std::vector<std::uint8_t>& LongStripFile() {
  static const std::vector<std::uint8_t> file = EncodeBitmapFile(LongStrip());
  return file;
}

}  // namespace tessel::resources
