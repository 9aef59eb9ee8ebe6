#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "program/project.h"
#include "program/resources/pictures.h"

namespace tessel {
namespace {

// The stored bytes of one of the program's windows, as it loads them.
std::span<const std::uint8_t> DescriptionOf(std::string_view name) {
  for (const runtime::FormClass* window : app::TesselProject().windows) {
    if (window->name == name) return window->description;
  }
  throw std::invalid_argument(std::string(name));
}

// The golden dumps show the pictures only as kind, size and length.
TEST(WindowDescriptions, CarryTheirPicturesByteForByte) {
  const auto contains = [](std::span<const std::uint8_t> haystack,
                           const std::vector<std::uint8_t>& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
  };
  EXPECT_TRUE(contains(DescriptionOf("WStart"), resources::StartIconFile()));
  EXPECT_TRUE(contains(DescriptionOf("W6Form"), resources::BallCursorFile()));
  EXPECT_TRUE(contains(DescriptionOf("W20Form"), resources::BallCursorFile()));
  EXPECT_TRUE(contains(DescriptionOf("W6Form"), resources::ShortStripFile()));
  EXPECT_TRUE(contains(DescriptionOf("W20Form"), resources::LongStripFile()));
  EXPECT_TRUE(contains(DescriptionOf("InfoFR"), resources::AboutPictureFile()));
}

}  // namespace
}  // namespace tessel
