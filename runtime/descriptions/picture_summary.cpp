#include "runtime/descriptions/picture_summary.h"

#include <optional>

#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/picture_kind.h"
#include "runtime/descriptions/picture_layout.h"

namespace tessel::descriptions {

std::string SummarizePicture(const Picture& picture) {
  std::string length = std::to_string(picture.file.size()) + " bytes";
  std::optional<PictureKind> kind = KindOfPictureFile(picture.file);
  if (!kind) return "unrecognised picture, " + length;
  std::string name(PictureKindName(*kind));
  try {
    const PictureLayout layout = ReadPictureLayout(picture.file, *kind);
    return name + " " + std::to_string(layout.width) + " x " + std::to_string(layout.height) +
           " pixels, " + length;
  } catch (const DescriptionError&) {
    // A dump shows what it can of any bytes; the reader names what is wrong where it matters.
    return name + " of unknown size, " + length;
  }
}

}  // namespace tessel::descriptions
