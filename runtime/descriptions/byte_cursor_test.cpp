#include "runtime/descriptions/byte_cursor.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "runtime/descriptions/description_error.h"

namespace tessel::descriptions {
namespace {

TEST(DescriptionCursor, ReadsLittleEndian) {
  // Top -120, Left 4980 and font size 97500 as the worked example stores them.
  const std::vector<std::uint8_t> bytes = {0x88, 0xFF, 0x74, 0x13, 0xDC, 0x7C,
                                           0x01, 0x00, 0xFE, 0xFF, 0xFF, 0xFF};
  ByteCursor cursor(bytes);
  EXPECT_EQ(cursor.ReadI16("Top"), -120);
  EXPECT_EQ(cursor.ReadU16("Left"), 4980);
  EXPECT_EQ(cursor.ReadU32("size"), 97500u);
  EXPECT_EQ(cursor.ReadI32("value"), -2);
  EXPECT_TRUE(cursor.at_end());
}

TEST(DescriptionCursor, ShortReadsThrowAndLeaveTheCursorInPlace) {
  struct Read {
    std::size_t width;
    std::function<void(ByteCursor&)> read;
  };
  const Read reads[] = {
      {1, [](ByteCursor& c) { c.ReadU8("field"); }},
      {1, [](ByteCursor& c) { c.PeekU8("field"); }},
      {2, [](ByteCursor& c) { c.ReadU16("field"); }},
      {2, [](ByteCursor& c) { c.ReadI16("field"); }},
      {4, [](ByteCursor& c) { c.ReadU32("field"); }},
      {4, [](ByteCursor& c) { c.ReadI32("field"); }},
      {3, [](ByteCursor& c) { c.ReadBytes(3, "field"); }},
  };
  const std::uint8_t data[3] = {1, 2, 3};
  for (const Read& r : reads) {
    for (std::size_t start = 0; start <= 3; ++start) {
      ByteCursor cursor(data, 3);
      cursor.ReadBytes(start, "lead");
      if (start + r.width <= 3) {
        EXPECT_NO_THROW(r.read(cursor));
        continue;
      }
      try {
        r.read(cursor);
        ADD_FAILURE() << "read of " << r.width << " at " << start << " passed the end";
      } catch (const DescriptionError& e) {
        EXPECT_EQ(e.offset(), start);
        EXPECT_EQ(cursor.offset(), start);
      }
    }
  }
}

TEST(DescriptionCursor, ShortReadsSayWhatWasWantedAndWhatWasLeft) {
  struct Case {
    std::size_t start;
    std::function<void(ByteCursor&)> read;
    const char* message;
  } const cases[] = {
      {0, [](ByteCursor& c) { c.ReadU32("rest length"); },
       "offset 0: expected rest length (4 bytes), found only 3 bytes before the end"},
      {2, [](ByteCursor& c) { c.ReadI16("Top"); },
       "offset 2: expected Top (2 bytes), found only 1 byte before the end"},
      {3, [](ByteCursor& c) { c.ReadU8("structure byte"); },
       "offset 3: expected structure byte, found end of data"},
  };
  const std::uint8_t data[3] = {1, 2, 3};
  for (const Case& c : cases) {
    ByteCursor cursor(data, 3);
    cursor.ReadBytes(c.start, "lead");
    try {
      c.read(cursor);
      ADD_FAILURE() << c.message << ": read passed the end";
    } catch (const DescriptionError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace tessel::descriptions
