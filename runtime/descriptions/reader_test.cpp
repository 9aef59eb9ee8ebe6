#include "runtime/descriptions/reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/descriptions/writer.h"
#include "tests/support/block_walk.h"
#include "tests/support/description_samples.h"

namespace tessel::descriptions {
namespace {

using testing::BlockNamed;
using testing::Bytes;
using testing::U32At;

void AddU32(Bytes& bytes, std::size_t at, int delta) {
  std::uint32_t value = U32At(bytes, at) + static_cast<std::uint32_t>(delta);
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

void AddU16(Bytes& bytes, std::size_t at, int delta) {
  bytes.at(at) = static_cast<std::uint8_t>(bytes.at(at) + delta);  // no carry in the samples
}

// Offset of the nth occurrence of needle; the layout is found in the bytes, not asked of the
// writer.
std::size_t Find(const Bytes& bytes, const Bytes& needle, int nth = 0) {
  auto at = bytes.begin();
  for (;; ++at) {
    at = std::search(at, bytes.end(), needle.begin(), needle.end());
    if (at == bytes.end()) throw std::logic_error("sample lacks a pattern it should have");
    if (nth-- == 0) return static_cast<std::size_t>(at - bytes.begin());
  }
}

Bytes Chars(std::string_view text) { return {text.begin(), text.end()}; }

// Offset of the length field of a text stored as length, bytes, zero.
std::size_t TextAt(const Bytes& bytes, std::string_view text, int nth = 0) {
  Bytes needle{static_cast<std::uint8_t>(text.size()), 0};
  needle.insert(needle.end(), text.begin(), text.end());
  needle.push_back(0);
  return Find(bytes, needle, nth);
}

// Where a block's fields lie, walked on the bytes before they are corrupted.
std::size_t BlockAt(const Bytes& bytes, const char* name) { return BlockNamed(bytes, name).at; }
std::size_t IdAt(const Bytes& bytes, const char* name) { return BlockNamed(bytes, name).id_at; }
std::size_t NameAt(const Bytes& bytes, const char* name) { return BlockAt(bytes, name) + 5; }
std::size_t ClassAt(const Bytes& bytes, const char* name) {
  return BlockNamed(bytes, name).class_at;
}
// The first structure byte after the block's FF.
std::size_t AfterBlock(const Bytes& bytes, const char* name) { return BlockNamed(bytes, name).end; }

const Bytes kTag{0x6C, 0x74, 0x00, 0x00};

void ExpectRejectedAt(const Bytes& bytes, std::size_t offset, const std::string& proves) {
  try {
    ReadDescription(bytes);
    ADD_FAILURE() << proves << ": accepted";
  } catch (const DescriptionError& e) {
    EXPECT_EQ(e.offset(), offset) << proves << ": " << e.what();
    EXPECT_EQ(std::string(e.what()).rfind("offset " + std::to_string(offset) + ": expected ", 0),
              0u)
        << e.what();
  }
}

TEST(DescriptionReader, RoundTripKeepsEveryKindAndClass) {
  Description full = testing::FullSample();
  std::set<std::pair<ClassCode, std::uint8_t>> present;
  std::function<void(const Block&)> collect = [&](const Block& block) {
    for (const Property& p : block.properties) present.insert({block.class_code, p.code});
    for (const Block& child : block.children) collect(child);
  };
  collect(full.window);
  for (ClassCode c : {ClassCode::kPictureBox, ClassCode::kLabel, ClassCode::kCommandButton,
                      ClassCode::kWindow, ClassCode::kImage}) {
    for (int code = 0; code < 0xFF; ++code) {
      if (FindProperty(c, static_cast<std::uint8_t>(code))) {
        EXPECT_TRUE(present.count({c, static_cast<std::uint8_t>(code)}))
            << "sample lacks code " << code << " of " << ClassName(c);
      }
    }
  }

  for (const Description& d : {full, testing::MinimalSample()}) {
    Bytes bytes = WriteDescription(d);
    Description back = ReadDescription(bytes);
    EXPECT_EQ(back, d) << d.window.name;
    EXPECT_EQ(WriteDescription(back), bytes) << d.window.name;
  }
}

TEST(DescriptionReader, RejectsMalformedAtTheOffendingField) {
  const Bytes valid = WriteDescription(testing::FullSample());
  ASSERT_NO_THROW(ReadDescription(valid));

  // Each case corrupts a copy of the valid bytes and returns the offset the error must name.
  struct Case {
    const char* proves;
    std::function<std::size_t(Bytes&)> corrupt;
  };
  const Case cases[] = {
      {"signature", [](Bytes& b) { return b[2] = 0x32, 0; }},
      {"control count one more", [](Bytes& b) { return b[4]++, 4; }},
      {"control count one less", [](Bytes& b) { return b[4]--, 4; }},
      {"window class identifier", [](Bytes& b) { return b[40] ^= 1, 37; }},
      {"reserved byte not zero", [](Bytes& b) { return b[70] = 1, 70; }},
      {"rest length one more", [](Bytes& b) { return AddU32(b, 89, 1), 89; }},
      {"rest length one less", [](Bytes& b) { return AddU32(b, 89, -1), 89; }},
      {"window block length one more", [](Bytes& b) { return AddU32(b, 93, 1), 93; }},
      {"window block length one less", [](Bytes& b) { return AddU32(b, 93, -1), 93; }},
      {"control block length one more",
       [](Bytes& b) {
         std::size_t at = BlockAt(b, "InfoSelect");
         return AddU32(b, at, 1), at;
       }},
      {"nested block length one less",
       [](Bytes& b) {
         std::size_t at = BlockAt(b, "Dot");
         return AddU32(b, at, -1), at;
       }},
      {"last block length one more",
       [](Bytes& b) {
         std::size_t at = BlockAt(b, "Bild");
         return AddU32(b, at, 1), at;
       }},
      {"window id not 0", [](Bytes& b) { return b[IdAt(b, "WSample")] = 1, IdAt(b, "WSample"); }},
      {"first control id not 1",
       [](Bytes& b) { return b[IdAt(b, "InfoSelect")] = 2, IdAt(b, "InfoSelect"); }},
      {"nested id repeated", [](Bytes& b) { return b[IdAt(b, "Dot")] = 5, IdAt(b, "Dot"); }},
      {"name length one more",  // the name's own zero byte falls inside it
       [](Bytes& b) {
         std::size_t at = NameAt(b, "InfoSelect");
         return AddU16(b, at, 1), at + 2 + 10;
       }},
      {"name length one less",
       [](Bytes& b) {
         std::size_t at = NameAt(b, "InfoSelect");
         return AddU16(b, at, -1), at + 2 + 9;
       }},
      {"unknown class code",
       [](Bytes& b) { return b[ClassAt(b, "Click")] = 0x02, ClassAt(b, "Click"); }},
      {"control with the window class",
       [](Bytes& b) { return b[ClassAt(b, "About")] = 0x0D, ClassAt(b, "About"); }},
      {"window with a control class",
       [](Bytes& b) { return b[ClassAt(b, "WSample")] = 0x01, ClassAt(b, "WSample"); }},
      {"property code unknown to a command button",  // 0x02 is only an image's Picture
       [](Bytes& b) {
         return b[ClassAt(b, "InfoSelect") + 1] = 0x02, ClassAt(b, "InfoSelect") + 1;
       }},
      {"property codes descending",  // Flag28 turned into a second Flag26
       [](Bytes& b) {
         std::size_t flags = TextAt(b, "WSample", 1) + 2 + 7 + 1;  // after LinkTopic
         return b[flags + 4] = 0x26, flags + 4;
       }},
      {"property code repeated",
       [](Bytes& b) {
         std::size_t flags = TextAt(b, "WSample", 1) + 2 + 7 + 1;
         return b[flags + 2] = 0x26, flags + 2;
       }},
      {"text without its zero byte",
       [](Bytes& b) {
         std::size_t at = TextAt(b, "Info ...");
         return b[at + 2 + 8] = 'x', at + 2 + 8;
       }},
      {"text length one more",
       [](Bytes& b) {
         std::size_t at = TextAt(b, "Info ...");
         return AddU16(b, at, 1), at + 2 + 8;
       }},
      {"text length one less",
       [](Bytes& b) {
         std::size_t at = TextAt(b, "Info ...");
         return AddU16(b, at, -1), at + 2 + 7;
       }},
      {"font version",
       [](Bytes& b) {
         std::size_t face = Find(b, Chars("Comic Sans MS"));
         return b[face - 11] = 2, face - 11;
       }},
      {"font face length one more",  // swallows FF; the structure byte 03 becomes a code
       [](Bytes& b) {
         std::size_t face = Find(b, Chars("Comic Sans MS"));
         return b[face - 1]++, face + 14;
       }},
      {"font face length one less",  // 'S' is no command button code
       [](Bytes& b) {
         std::size_t face = Find(b, Chars("Comic Sans MS"));
         return b[face - 1]--, face + 12;
       }},
      {"picture tag",
       [](Bytes& b) {
         std::size_t tag = Find(b, kTag);
         return b[tag + 1] = 0x75, tag;
       }},
      {"picture length one more",
       [](Bytes& b) { return AddU32(b, Find(b, kTag) - 4, 1), Find(b, kTag) + 4; }},
      {"picture length one less",
       [](Bytes& b) { return AddU32(b, Find(b, kTag) - 4, -1), Find(b, kTag) + 4; }},
      {"picture file length one more",
       [](Bytes& b) { return AddU32(b, Find(b, kTag) + 4, 1), Find(b, kTag) + 4; }},
      {"picture file length one less",
       [](Bytes& b) { return AddU32(b, Find(b, kTag) + 4, -1), Find(b, kTag) + 4; }},
      {"picture file signature",  // type word 3 is neither icon nor cursor
       [](Bytes& b) { return b[Find(b, kTag) + 10] = 3, Find(b, kTag) + 8; }},
      {"bitmap size one more",
       [](Bytes& b) { return AddU32(b, Find(b, kTag, 3) + 10, 1), Find(b, kTag, 3) + 10; }},
      {"bitmap size one less",
       [](Bytes& b) { return AddU32(b, Find(b, kTag, 3) + 10, -1), Find(b, kTag, 3) + 10; }},
      {"window followed by 03",
       [](Bytes& b) { return b[AfterBlock(b, "WSample")] = 0x03, AfterBlock(b, "WSample"); }},
      {"01 after a label",
       [](Bytes& b) { return b[AfterBlock(b, "lblAbout1")] = 0x01, AfterBlock(b, "lblAbout1"); }},
      {"01 after a command button",
       [](Bytes& b) { return b[AfterBlock(b, "Click")] = 0x01, AfterBlock(b, "Click"); }},
      {"unknown structure byte",
       [](Bytes& b) { return b[AfterBlock(b, "Click")] = 0x05, AfterBlock(b, "Click"); }},
      {"01 after 02",
       [](Bytes& b) { return b[AfterBlock(b, "Dot") + 2] = 0x01, AfterBlock(b, "Dot") + 2; }},
      {"04 while lists are open",
       [](Bytes& b) { return b[AfterBlock(b, "Dot")] = 0x04, AfterBlock(b, "Dot"); }},
      {"02 after the window's list closed", [](Bytes& b) { return b.back() = 0x02, b.size() - 1; }},
      {"04 not the last byte",
       [](Bytes& b) { return b.push_back(0x04), AddU32(b, 89, 1), b.size() - 1; }},
  };
  for (const Case& c : cases) {
    Bytes bytes = valid;
    std::size_t offset = c.corrupt(bytes);
    ExpectRejectedAt(bytes, offset, c.proves);
  }
}

TEST(DescriptionReader, TruncationIsCaughtAtEveryOffset) {
  const Bytes valid = WriteDescription(testing::FullSample());
  for (std::size_t n = 0; n < valid.size(); ++n) {
    Bytes cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_THROW(ReadDescription(cut), DescriptionError) << n;
    if (n < 93) continue;
    // With the rest length made to agree, the cut must be caught inside the blocks.
    AddU32(cut, 89, static_cast<int>(n) - static_cast<int>(valid.size()));
    try {
      ReadDescription(cut);
      ADD_FAILURE() << "accepted " << n << " bytes";
    } catch (const DescriptionError& e) {
      EXPECT_GE(e.offset(), 93u) << e.what();
      EXPECT_LE(e.offset(), n) << e.what();
    }
  }
}

}  // namespace
}  // namespace tessel::descriptions
