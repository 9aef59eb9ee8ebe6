#include "runtime/descriptions/picture_value.h"

#include <gtest/gtest.h>

#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/value_writer.h"
#include "tests/support/description_samples.h"

namespace tessel::descriptions {
namespace {

using testing::Bytes;

constexpr std::size_t kLead = 5;  // bytes before the value, so offsets are seen to be absolute

Bytes Framed(const Bytes& file, std::uint32_t rest, std::uint32_t file_length) {
  Bytes out(kLead, 0xEE);
  for (std::uint32_t field : {rest, 0x746Cu, file_length}) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(field >> (8 * i)));
  }
  out.insert(out.end(), file.begin(), file.end());
  return out;
}

Bytes Framed(const Bytes& file) {
  auto n = static_cast<std::uint32_t>(file.size());
  return Framed(file, n + 8, n);
}

TEST(DescriptionPictureValue, WritesTheFramingItReads) {
  for (const Bytes& file :
       {testing::IconFile(1, 4), testing::IconFile(2, 4), testing::BitmapFile(3, 2)}) {
    ByteWriter writer;
    writer.PutBytes(Bytes(kLead, 0xEE));
    WritePictureValue(writer, Picture{file});
    EXPECT_EQ(writer.bytes(), Framed(file));

    ByteCursor cursor(writer.bytes());
    cursor.ReadBytes(kLead, "lead");
    EXPECT_EQ(ReadPictureValue(cursor).file, file);
    EXPECT_TRUE(cursor.at_end());
  }
}

TEST(DescriptionPictureValue, RejectsFramingThatDoesNotHold) {
  struct Case {
    const char* proves;
    Bytes bytes;
    std::size_t offset;
  };
  const Bytes bitmap = testing::BitmapFile(1, 1);
  const Case cases[] = {
      {"length too short for tag and file length", Framed({}, 7, 0), kLead},
      {"length beyond the data", Framed(bitmap, 67, 58), kLead},
      {"empty file", Framed({}), kLead + 12},
      {"bitmap too short for its size field", Framed({'B', 'M', 4, 0}), kLead + 14},
      {"icon signature cut short", Framed({0, 0, 1}), kLead + 12},
  };
  for (const Case& c : cases) {
    ByteCursor cursor(c.bytes);
    cursor.ReadBytes(kLead, "lead");
    try {
      ReadPictureValue(cursor);
      ADD_FAILURE() << c.proves << ": accepted";
    } catch (const DescriptionError& e) {
      EXPECT_EQ(e.offset(), c.offset) << c.proves << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace tessel::descriptions
