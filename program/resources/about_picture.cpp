#include <span>

#include "program/resources/pictures.h"

namespace tessel::resources {

// Embedded at build time from about_picture.bmp, which tools/pictures/draw_about_picture draws.
extern const std::span<const std::uint8_t> kAboutPicture;

const std::vector<std::uint8_t>& AboutPictureFile() {
  static const std::vector<std::uint8_t> file(kAboutPicture.begin(), kAboutPicture.end());
  return file;
}

}  // namespace tessel::resources
