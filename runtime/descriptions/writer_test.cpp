#include "runtime/descriptions/writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "tests/support/block_walk.h"
#include "tests/support/description_samples.h"

namespace tessel::descriptions {
namespace {

using testing::Bytes;
using testing::U32At;

struct OutlineEntry {
  std::string name;
  Bytes structure;  // the structure bytes after the block's FF
  bool operator==(const OutlineEntry&) const = default;
};

// Each block's name and what follows it, walked by the blocks' lengths alone.
std::vector<OutlineEntry> Outline(const Bytes& bytes) {
  std::vector<OutlineEntry> outline;
  const std::vector<testing::WalkedBlock> blocks = testing::WalkBlocks(bytes);
  outline.reserve(blocks.size());
  for (const testing::WalkedBlock& block : blocks) outline.push_back({block.name, block.structure});
  EXPECT_EQ(blocks.back().end + blocks.back().structure.size(), bytes.size())
      << "04 is not the last byte";
  return outline;
}

Block Control(std::uint8_t id, std::string name, ClassCode class_code,
              std::vector<Block> children = {}) {
  return {id, std::move(name), class_code, {}, std::move(children)};
}

// The about window's shape; Bild stands 120 twips above the client area.
Description InfoFRShape() {
  Block bild = Control(6, "Bild", ClassCode::kImage);
  bild.properties.push_back({0x03, Geometry{3420, -120, 1650, 2295}});
  Block about = Control(
      2, "About", ClassCode::kPictureBox,
      {Control(3, "lblAbout1", ClassCode::kLabel), Control(4, "lblAbout2", ClassCode::kLabel),
       Control(5, "lblAbout3", ClassCode::kLabel)});
  Block window = Control(0, "InfoFR", ClassCode::kWindow,
                         {Control(1, "OK", ClassCode::kCommandButton), about, bild});
  return {{0x33AD4F3A, 0x6699, 0x11CF, {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}},
          {},
          kWindowClassId,
          window};
}

TEST(DescriptionWriter, InfoSelectBlockIsTheWorkedExample) {
  Block window = Control(0, "WStart", ClassCode::kWindow,
                         {testing::InfoSelect(1), Control(2, "W20End", ClassCode::kCommandButton)});
  Bytes out = WriteDescription({{}, {}, kWindowClassId, window});

  const Bytes expected = {0x47, 0x00, 0x00, 0x00, 0x01, 0x0A, 0x00, 'I',  'n',  'f',  'o',  'S',
                          'e',  'l',  'e',  'c',  't',  0x00, 0x04, 0x01, 0x08, 0x00, 'I',  'n',
                          'f',  'o',  ' ',  '.',  '.',  '.',  0x00, 0x04, 0x74, 0x13, 0x3C, 0x00,
                          0xC0, 0x03, 0x3B, 0x01, 0x0A, 0x01, 0x11, 0x03, 0x00, 0x1D, 0x01, 0x00,
                          0x00, 0x00, 0xBC, 0x02, 0xDC, 0x7C, 0x01, 0x00, 0x0D, 'C',  'o',  'm',
                          'i',  'c',  ' ',  'S',  'a',  'n',  's',  ' ',  'M',  'S',  0xFF};
  ASSERT_EQ(expected.size(), 71u);
  const std::vector<testing::WalkedBlock> blocks = testing::WalkBlocks(out);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0].structure, Bytes{0x01});
  const testing::WalkedBlock& info_select = blocks[1];
  EXPECT_EQ(Bytes(out.begin() + static_cast<std::ptrdiff_t>(info_select.at),
                  out.begin() + static_cast<std::ptrdiff_t>(info_select.end)),
            expected);
  EXPECT_EQ(info_select.structure, Bytes{0x03});
}

TEST(DescriptionWriter, StructureBytesFollowTheTree) {
  struct Case {
    const char* proves;
    Description description;
    std::vector<OutlineEntry> outline;
  };
  const Case cases[] = {
      {"InfoFR: a panel with three labels between two controls of the window",
       InfoFRShape(),
       {{"InfoFR", {0x01}},
        {"OK", {0x03}},
        {"About", {0x01}},
        {"lblAbout1", {0x03}},
        {"lblAbout2", {0x03}},
        {"lblAbout3", {0x02, 0x03}},
        {"Bild", {0x02, 0x04}}}},
      {"two lists closing at once",
       testing::FullSample(),
       {{"WSample", {0x01}},
        {"InfoSelect", {0x03}},
        {"Click", {0x03}},
        {"About", {0x01}},
        {"lblAbout1", {0x03}},
        {"Inner", {0x01}},
        {"Dot", {0x02, 0x02, 0x03}},
        {"Bild", {0x02, 0x04}}}},
      {"a single control", testing::MinimalSample(), {{"W", {0x01}}, {"L", {0x02, 0x04}}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Outline(WriteDescription(c.description)), c.outline) << c.proves;
  }
}

TEST(DescriptionWriter, HeaderAndNegativeTop) {
  Bytes out = WriteDescription(InfoFRShape());
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 5), (Bytes{0xFF, 0xCC, 0x31, 0x00, 6}));
  const Bytes guid_layout = {0x3A, 0x4F, 0xAD, 0x33, 0x99, 0x66, 0xCF, 0x11,
                             0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93};
  EXPECT_EQ(Bytes(out.begin() + 5, out.begin() + 21), guid_layout) << "window identifier";
  EXPECT_EQ(Bytes(out.begin() + 37, out.begin() + 53), guid_layout) << "window class";
  EXPECT_EQ(Bytes(out.begin() + 53, out.begin() + 89), Bytes(36, 0));
  EXPECT_EQ(89 + U32At(out, 89), out.size());
  // The window's own length stops at its FF, before any control.
  EXPECT_EQ(out.at(93 + U32At(out, 93) - 1), 0xFF);

  std::size_t bild = testing::WalkBlocks(out).back().at;
  const Bytes expected = {0x17, 0x00, 0x00, 0x00, 0x06, 0x04, 0x00, 'B',  'i',  'l',  'd', 0x00,
                          0x18, 0x03, 0x5C, 0x0D, 0x88, 0xFF, 0x72, 0x06, 0xF7, 0x08, 0xFF};
  EXPECT_EQ(Bytes(out.begin() + static_cast<std::ptrdiff_t>(bild), out.end() - 2), expected);
}

TEST(DescriptionWriter, RefusesWhatTheFormatCannotHold) {
  Description empty = testing::MinimalSample();
  empty.window.children.clear();
  EXPECT_THROW(WriteDescription(empty), std::invalid_argument) << "window without controls";

  Description crowded = testing::MinimalSample();
  crowded.window.children.assign(256, Control(1, "L", ClassCode::kLabel));
  EXPECT_THROW(WriteDescription(crowded), std::length_error) << "256 controls";

  Description long_caption = testing::MinimalSample();
  long_caption.window.properties.push_back({0x01, std::string(65536, 'x')});
  EXPECT_THROW(WriteDescription(long_caption), std::length_error) << "caption of 65536 bytes";

  Description long_face = testing::MinimalSample();
  long_face.window.children[0].properties.push_back(
      {0x25, FontRecord{1, 0, 0, 400, 1, std::string(256, 'f')}});
  EXPECT_THROW(WriteDescription(long_face), std::length_error) << "face name of 256 bytes";
}

}  // namespace
}  // namespace tessel::descriptions
