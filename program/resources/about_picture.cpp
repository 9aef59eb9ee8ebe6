#include <cstddef>

#include "program/resources/pictures.h"

namespace tessel::resources {

// Generated at build time from about_picture.bmp, which resources/tools/draw_about_picture
// draws.
extern const std::uint8_t kAboutPictureBytes[];
extern const std::size_t kAboutPictureSize;

const std::vector<std::uint8_t>& AboutPictureFile() {
  static const std::vector<std::uint8_t> file(kAboutPictureBytes,
                                              kAboutPictureBytes + kAboutPictureSize);
  return file;
}

}  // namespace tessel::resources
