#include "tools/exe_resources/icon_resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/resources/pictures.h"

namespace tessel::resources {
namespace {

// The group directory as the executable must carry it: reserved 0, type 1, count 1; width 32,
// height 32, 16 colours, reserved 0, planes 1, 4 bits per pixel, 744 bytes, identifier 30001.
TEST(AppIconResources, StartIconSplitsIntoTheDocumentedGroupAndImage) {
  const std::vector<std::uint8_t>& file = StartIconFile();
  const IconResources icon = SplitIconFile(file, 30001);
  // clang-format off
  EXPECT_EQ(icon.group, (std::vector<std::uint8_t>{
      0, 0, 1, 0, 1, 0,                  // reserved, type, count
      32, 32, 16, 0, 1, 0, 4, 0,         // width, height, colours, reserved, planes, bit count
      0xE8, 0x02, 0, 0, 0x31, 0x75}));   // 744 bytes, identifier 30001
  // clang-format on
  ASSERT_EQ(file.size(), 766u);
  EXPECT_EQ(icon.image, std::vector<std::uint8_t>(file.begin() + 22, file.end()));
}

// Each broken file names the offset of the field that gave it away.
TEST(AppIconResources, RejectsFilesItCannotSplit) {
  const std::vector<std::uint8_t>& good = StartIconFile();
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* message;
  };
  auto patched = [&](std::size_t at, std::uint32_t value) {
    std::vector<std::uint8_t> b = good;
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(value >> 8 * i);
    return b;
  };
  const Case cases[] = {
      {"cut inside the directory", {good.begin(), good.begin() + 21}, "offset 0: expected icon"},
      {"a cursor file", BallCursorFile(), "offset 2: expected type (icon) 1, found 2"},
      {"two images", patched(4, 0x00010002), "offset 4: expected image count 1, found 2"},
      {"image length past the end", patched(14, 745), "offset 18: expected image inside"},
      {"image offset past the end", patched(18, 0x1016), "offset 18: expected image inside"},
      {"image length wraps the offset", patched(14, 0xFFFFFFF0), "offset 18: expected image"},
      {"image too short for a header", patched(14, 8), "offset 14: expected image length"},
      {"cut inside the image", {good.begin(), good.end() - 1}, "offset 18: expected image inside"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      SplitIconFile(c.bytes, 1);
      ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace tessel::resources
