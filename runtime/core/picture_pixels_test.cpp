#include "runtime/core/picture_pixels.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/qt_picture_reader.h"

namespace tessel::runtime {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every picture file of the readers' seeds, our pixels beside Qt's own reader's, pixel for pixel:
// palettes of one to eight bits, 24 bits either way up, 16 bits under masks, icons with their AND
// mask and a cursor. A transparent pixel is compared by its alpha alone.
TEST(PicturePixels, AreWhatQtsOwnReadersMakeOfTheFiles) {
  const struct {
    const char* file;
    const char* format;
  } cases[] = {
      {"short_strip.bmp", "BMP"}, {"long_strip.bmp", "BMP"}, {"top_down24.bmp", "BMP"},
      {"bitfields16.bmp", "BMP"}, {"start_icon.ico", "ICO"}, {"two_images.ico", "ICO"},
      {"ball_cursor.cur", "CUR"},
  };
  for (const auto& c : cases) {
    const std::vector<std::uint8_t> bytes =
        ReadFile(std::string(TESSEL_PICTURE_CORPUS) + "/" + c.file);
    const PictureSpec picture = ReadPicture(bytes);
    const QImage expected = testing::ReadWithQt(bytes, c.format);
    ASSERT_FALSE(expected.isNull()) << c.file;
    ASSERT_EQ(expected.width(), picture.width) << c.file;
    ASSERT_EQ(expected.height(), picture.height) << c.file;
    const std::vector<std::uint32_t> pixels = PicturePixels(picture);
    int mismatches = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const QRgb want = expected.pixel(x, y);
        const std::uint32_t got = pixels[static_cast<size_t>(y * picture.width + x)];
        if (qAlpha(want) == 0 ? got >> 24 != 0 : got != want) ++mismatches;
      }
    }
    EXPECT_EQ(mismatches, 0) << c.file;
  }
}

}  // namespace
}  // namespace tessel::runtime
