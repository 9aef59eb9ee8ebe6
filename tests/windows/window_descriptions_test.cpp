#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "program/project.h"
#include "program/resources/pictures.h"
#include "runtime/descriptions/reader.h"
#include "runtime/descriptions/writer.h"

namespace tessel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes DescriptionOf(std::string_view name) {
  for (const runtime::FormClass* window : app::TesselProject().windows) {
    if (window->name == name) return {window->description.begin(), window->description.end()};
  }
  throw std::invalid_argument(std::string(name));
}

std::uint32_t U32At(const Bytes& bytes, size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

// Block starts in stored order, with the structure byte that follows each block.
struct BlockAt {
  size_t offset;
  std::uint32_t length;
  std::string name;
  std::uint8_t after;
};

std::vector<BlockAt> Blocks(const Bytes& bytes) {
  std::vector<BlockAt> blocks;
  size_t at = 93;
  while (at < bytes.size()) {
    const std::uint32_t length = U32At(bytes, at);
    const size_t name_length = bytes[at + 5] | bytes[at + 6] << 8;
    const std::string name(bytes.begin() + static_cast<long>(at) + 7,
                           bytes.begin() + static_cast<long>(at + 7 + name_length));
    size_t next = at + length;
    const std::uint8_t after = bytes[next];
    while (next < bytes.size() && (bytes[next] == 0x02)) ++next;  // closing lists
    blocks.push_back({at, length, name, after});
    if (bytes[next] == 0x04) break;
    at = next + 1;
  }
  return blocks;
}

TEST(WindowDescriptions, HaveTheirStoredLengthsAndControlCounts) {
  struct Row {
    const char* window;
    size_t length;
    int controls;
  } const rows[] = {
      {"W6Form", 2325, 5}, {"W20Form", 3500, 5}, {"WStart", 1255, 4}, {"InfoFR", 51385, 6}};
  for (const Row& row : rows) {
    const Bytes bytes = DescriptionOf(row.window);
    EXPECT_EQ(bytes.size(), row.length) << row.window;
    EXPECT_EQ(89 + U32At(bytes, 89), bytes.size()) << row.window;
    EXPECT_EQ(bytes[4], row.controls) << row.window;
    EXPECT_EQ(bytes.back(), 0x04) << row.window;
    // Reading and writing again gives the same bytes.
    EXPECT_EQ(descriptions::WriteDescription(descriptions::ReadDescription(bytes)), bytes);
  }
  EXPECT_EQ(U32At(DescriptionOf("WStart"), 89), 1166u);
}

TEST(WindowDescriptions, StartWindowButtonBlockIsTheWorkedExample) {
  const Bytes bytes = DescriptionOf("WStart");
  const std::string expected_text =
      std::string("\x47\x00\x00\x00\x01\x0A\x00InfoSelect\x00\x04", 19) +
      std::string("\x01\x08\x00Info ...\x00", 12) +
      std::string("\x04\x74\x13\x3C\x00\xC0\x03\x3B\x01", 9) + std::string("\x0A\x01", 2) +
      std::string("\x11\x03\x00", 3) +
      std::string("\x1D\x01\x00\x00\x00\xBC\x02\xDC\x7C\x01\x00\x0D", 12) + "Comic Sans MS" +
      std::string("\xFF", 1);
  const Bytes expected(expected_text.begin(), expected_text.end());
  ASSERT_EQ(expected.size(), 71u);
  const std::vector<BlockAt> blocks = Blocks(bytes);
  ASSERT_EQ(blocks.size(), 5u);
  EXPECT_EQ(blocks[1].name, "InfoSelect");
  EXPECT_EQ(Bytes(bytes.begin() + static_cast<long>(blocks[1].offset),
                  bytes.begin() + static_cast<long>(blocks[1].offset + 71)),
            expected);
  EXPECT_EQ(blocks[1].after, 0x03);
}

TEST(WindowDescriptions, InformationWindowNestsItsLabelsInThePanel) {
  const Bytes bytes = DescriptionOf("InfoFR");
  const std::vector<BlockAt> blocks = Blocks(bytes);
  const std::vector<std::string> names{"InfoFR",    "OK",        "About", "lblAbout1",
                                       "lblAbout2", "lblAbout3", "Bild"};
  const std::vector<std::uint8_t> after{0x01, 0x03, 0x01, 0x03, 0x03, 0x02, 0x02};
  ASSERT_EQ(blocks.size(), names.size());
  for (size_t i = 0; i < blocks.size(); ++i) {
    EXPECT_EQ(blocks[i].name, names[i]);
    EXPECT_EQ(blocks[i].after, after[i]) << names[i];
    if (i > 0) {
      EXPECT_EQ(bytes[blocks[i].offset + 4], i) << "control id of " << names[i];
    }
  }
  EXPECT_EQ(blocks[6].length, 50888u);
  // lblAbout3 closes the panel's list and Bild follows as the window's next control.
  EXPECT_EQ(bytes[blocks[5].offset + blocks[5].length + 1], 0x03);
  const Bytes& file = resources::AboutPictureFile();
  // Block head of 13 bytes, then the picture property: code, length, tag, file length, file.
  const size_t geometry = blocks[6].offset + 13 + 1 + 12 + file.size();
  EXPECT_EQ(bytes[geometry], 0x03);
  EXPECT_EQ(bytes[geometry + 3], 0x88);  // Top -120
  EXPECT_EQ(bytes[geometry + 4], 0xFF);
}

TEST(WindowDescriptions, CarryTheirPicturesByteForByte) {
  const auto contains = [](const Bytes& haystack, const Bytes& needle) {
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
