#include "runtime/descriptions/picture_summary.h"

#include <optional>

#include "runtime/descriptions/picture_kind.h"

namespace tessel::descriptions {

std::string SummarizePicture(const Picture& picture) {
  std::string length = std::to_string(picture.file.size()) + " bytes";
  std::optional<PictureKind> kind = KindOfPictureFile(picture.file);
  if (!kind) return "unrecognised picture, " + length;
  std::optional<PictureSize> size = SizeOfPictureFile(picture.file, *kind);
  std::string name(PictureKindName(*kind));
  if (!size) return name + " of unknown size, " + length;
  return name + " " + std::to_string(size->width) + " x " + std::to_string(size->height) +
         " pixels, " + length;
}

}  // namespace tessel::descriptions
