#include "tools/exe_resources/version_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "program/resources/win32/tessel_version.h"

namespace tessel::resources {
namespace {

// A reader of the stored node layout, written from the published format rather than from our
// encoder: header words, key up to its zero character, value on the next 4-byte boundary,
// children on the boundary after the value, up to wLength.
struct ReadNode {
  std::size_t offset;
  int depth;
  std::string key;
  std::uint16_t length, value_length, type;
  std::size_t value_offset;
};

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

std::size_t Align4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

void Walk(const std::vector<std::uint8_t>& b, std::size_t at, int depth,
          std::vector<ReadNode>& out) {
  ReadNode n{at, depth, "", U16(b, at), U16(b, at + 2), U16(b, at + 4), 0};
  std::size_t p = at + 6;
  for (std::uint16_t c; (c = U16(b, p)) != 0; p += 2) n.key += static_cast<char>(c);
  n.value_offset = Align4(p + 2);
  // Text values count bytes here, so both kinds advance by wValueLength bytes.
  std::size_t child = Align4(n.value_offset + n.value_length);
  out.push_back(n);
  while (child < at + n.length) {
    const std::uint16_t child_length = U16(b, child);
    ASSERT_GT(child_length, 0) << "at " << child;
    Walk(b, child, depth + 1, out);
    child = Align4(child + child_length);
  }
  ASSERT_EQ(child, at + n.length) << n.key << " children overrun its wLength";
}

std::u16string TextAt(const std::vector<std::uint8_t>& b, std::size_t at) {
  std::u16string text;
  for (std::uint16_t c; (c = U16(b, at)) != 0; at += 2) text += static_cast<char16_t>(c);
  return text;
}

std::vector<ReadNode> ReadTree(const std::vector<std::uint8_t>& b) {
  std::vector<ReadNode> nodes;
  Walk(b, 0, 0, nodes);
  return nodes;
}

// Offsets and lengths worked out by hand from the layout rules: 6 header bytes, the key's
// UTF-16 characters with their zero, fill to 4, the value, fill to 4. For "FileVersion":
// 6 + 24 + 2 + 10 + 2 = 44.
TEST(TesselVersionBlock, NodesComeInStoredOrderWithTheirCounts) {
  struct Row {
    std::size_t offset;
    int depth;
    const char* key;
    std::uint16_t type, value_length, length;
  };
  // clang-format off
  const Row expected[] = {
      {0, 0, "VS_VERSION_INFO", 0, 52, 664},
      {92, 1, "VarFileInfo", 0, 0, 68},
      {124, 2, "Translation", 0, 4, 36},
      {160, 1, "StringFileInfo", 1, 0, 504},
      {196, 2, "040704B0", 1, 0, 468},
      {220, 3, "Comments", 1, 84, 108},
      {328, 3, "CompanyName", 1, 38, 72},
      {400, 3, "ProductName", 1, 20, 52},
      {452, 3, "FileVersion", 1, 10, 44},
      {496, 3, "ProductVersion", 1, 10, 48},
      {544, 3, "InternalName", 1, 18, 52},
      {596, 3, "OriginalFilename", 1, 26, 68},
  };
  // clang-format on
  const std::vector<std::uint8_t> block = TesselVersionBlock();
  ASSERT_EQ(block.size(), 664u);
  const std::vector<ReadNode> nodes = ReadTree(block);
  ASSERT_EQ(nodes.size(), std::size(expected));
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    SCOPED_TRACE(expected[i].key);
    EXPECT_EQ(nodes[i].key, expected[i].key);
    EXPECT_EQ(nodes[i].offset, expected[i].offset);
    EXPECT_EQ(nodes[i].depth, expected[i].depth);
    EXPECT_EQ(nodes[i].type, expected[i].type);
    EXPECT_EQ(nodes[i].value_length, expected[i].value_length);
    EXPECT_EQ(nodes[i].length, expected[i].length);
  }
}

TEST(TesselVersionBlock, FileVersionNodeIsByteForByteTheDocumentedOne) {
  // clang-format off
  const std::vector<std::uint8_t> want = {
      44, 0, 10, 0, 1, 0,                                                  // header
      'F', 0, 'i', 0, 'l', 0, 'e', 0, 'V', 0, 'e', 0, 'r', 0, 's', 0,      // key ...
      'i', 0, 'o', 0, 'n', 0, 0, 0,                                        // ... and zero
      0, 0,                                                                // fill
      '1', 0, '.', 0, '0', 0, '0', 0, 0, 0,                                // value and zero
      0, 0,                                                                // fill
  };
  // clang-format on
  const std::vector<std::uint8_t> block = TesselVersionBlock();
  ASSERT_GE(block.size(), 452u + want.size());
  EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + 452, block.begin() + 452 + 44), want);
}

TEST(TesselVersionBlock, ValuesReadBackAsTheDocumentedTexts) {
  const std::vector<std::uint8_t> block = TesselVersionBlock();
  const std::vector<ReadNode> nodes = ReadTree(block);
  ASSERT_EQ(nodes.size(), 12u);

  // The fixed information: signature, structure 1.0, file and product 1.0.0.0, no flags,
  // VOS__WINDOWS32, VFT_APP, no subtype, no date.
  // clang-format off
  const std::uint32_t fixed[13] = {
      0xFEEF04BD, 0x00010000,              // signature, structure version
      0x00010000, 0, 0x00010000, 0,        // file and product version
      0, 0, 4, 1, 0,                       // flags mask, flags, OS, type, subtype
      0, 0,                                // date
  };
  // clang-format on
  for (std::size_t i = 0; i < 13; ++i) {
    const std::size_t at = nodes[0].value_offset + 4 * i;
    EXPECT_EQ(U16(block, at) | std::uint32_t{U16(block, at + 2)} << 16, fixed[i]) << "field " << i;
  }
  EXPECT_EQ(nodes[0].value_offset, 40u);

  // Translation: the language word, then the code-page word, the pair a lookup of the table by
  // translation turns into "040704B0".
  EXPECT_EQ(U16(block, nodes[2].value_offset), 0x0407);
  EXPECT_EQ(U16(block, nodes[2].value_offset + 2), 0x04B0);

  const std::u16string texts[7] = {u"'ne kleine Auswahl von Tesselsimulationen",
                                   u"Kestro Productions",
                                   u"Tessel 98",
                                   u"1.00",
                                   u"1.00",
                                   u"Tessel98",
                                   u"Tessel98.exe"};
  for (std::size_t i = 0; i < 7; ++i) {
    const ReadNode& n = nodes[5 + i];
    SCOPED_TRACE(n.key);
    const std::u16string text = TextAt(block, n.value_offset);
    EXPECT_EQ(text, texts[i]);
    EXPECT_EQ(n.value_length, 2 * (text.size() + 1));
    // Everything from the zero character to the node's end is fill.
    for (std::size_t at = n.value_offset + 2 * text.size(); at < n.offset + n.length; ++at) {
      EXPECT_EQ(block[at], 0) << "at " << at;
    }
  }
}

TEST(VersionNode, EncoderKeepsEveryNodeAMultipleOfFourAndRefusesOversizeNodes) {
  // A key of one character: 6 + 4 = 10, filled to 12; an empty text is just its zero.
  const std::vector<std::uint8_t> empty = EncodeVersionNode(TextNode(u"K", u""));
  EXPECT_EQ(empty, (std::vector<std::uint8_t>{16, 0, 2, 0, 1, 0, 'K', 0, 0, 0, 0, 0, 0, 0, 0, 0}));

  const std::vector<std::uint8_t> odd =
      EncodeVersionNode(GroupNode(u"P", VersionValueType::kBinary, {BinaryNode(u"V", {1, 2, 3})}));
  ASSERT_EQ(odd.size(), 12u + 16u);
  EXPECT_EQ(U16(odd, 0), 28);
  EXPECT_EQ(U16(odd, 12), 16);  // 6 + 4 + fill 2 + 3 + fill 1
  EXPECT_EQ(U16(odd, 14), 3);

  EXPECT_THROW(TextNode(u"Big", std::u16string(40000, u'x')), std::length_error);
  std::vector<VersionNode> many(3, TextNode(u"Big", std::u16string(16000, u'x')));
  EXPECT_THROW(EncodeVersionNode(GroupNode(u"All", VersionValueType::kText, many)),
               std::length_error);
}

}  // namespace
}  // namespace tessel::resources
