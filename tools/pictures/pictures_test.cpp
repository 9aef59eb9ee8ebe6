#include "program/resources/pictures.h"

#include <gtest/gtest.h>

#include "program/resources/picture_tables.h"
#include "program/resources/rgb_image.h"
#include "tests/support/qt_picture_reader.h"

namespace tessel::resources {
namespace {

using testing::HexColour;
using testing::LetterColour;
using testing::ReadWithQt;
using testing::U16At;
using testing::U32At;

struct IconCase {
  const char* name;
  const std::vector<std::uint8_t>& bytes;
  std::uint32_t type;
};

// Directory, entry and BITMAPINFOHEADER of both 766-byte files, field by field.
TEST(IconFiles, CarryEveryHeaderField) {
  for (const IconCase& c :
       {IconCase{"StartIcon", StartIconFile(), 1}, IconCase{"BallCursor", BallCursorFile(), 2}}) {
    SCOPED_TRACE(c.name);
    const auto& b = c.bytes;
    ASSERT_EQ(b.size(), 766u);
    EXPECT_EQ(U16At(b, 0), 0u);
    EXPECT_EQ(U16At(b, 2), c.type);
    EXPECT_EQ(U16At(b, 4), 1u);
    EXPECT_EQ(b[6], 32);
    EXPECT_EQ(b[7], 32);
    EXPECT_EQ(b[8], 16);
    EXPECT_EQ(b[9], 0);
    EXPECT_EQ(U16At(b, 10), 0u);  // planes, or the cursor's hot spot x
    EXPECT_EQ(U16At(b, 12), 0u);  // bit count, or the hot spot y
    EXPECT_EQ(U32At(b, 14), 744u);
    EXPECT_EQ(U32At(b, 18), 22u);
    const std::uint32_t info[] = {40, 32, 64};
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(U32At(b, 22 + 4 * i), info[i]);
    EXPECT_EQ(U16At(b, 34), 1u);
    EXPECT_EQ(U16At(b, 36), 4u);
    const std::uint32_t rest[] = {0, 640, 0, 0, 16, 0};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(U32At(b, 38 + 4 * i), rest[i]) << "field " << i;
  }
}

TEST(IconFiles, UseTheStandardPaletteAsBlueGreenRedZero) {
  const std::uint32_t rgb[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                 0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (const auto* file : {&StartIconFile(), &BallCursorFile()}) {
    for (std::size_t i = 0; i < 16; ++i) {
      const std::size_t at = 62 + 4 * i;
      EXPECT_EQ(U32At(*file, at), rgb[i]) << "palette entry " << i;
    }
  }
}

TEST(IconFiles, StoreTheBottomRowFirst) {
  // The bottom row of StartIcon is all black (index 0), the row above starts K L K K: if the
  // rows were top first, byte 126 would hold row 0, also all black, so look at the second row.
  const auto& b = StartIconFile();
  const std::size_t colour_bits = 22 + 40 + 64;
  EXPECT_EQ(b[colour_bits + 16], 0x07);  // row 30: K L
  EXPECT_EQ(b[colour_bits + 17], 0x00);  // K K
  // The cursor's mask: row 31 is wholly transparent, row 0 (stored last) starts "...K".
  const auto& c = BallCursorFile();
  const std::size_t mask = colour_bits + 512;
  EXPECT_EQ(U32At(c, mask), 0xFFFFFFFFu);
  EXPECT_EQ(c[mask + 31 * 4], 0xE0);      // "...KDDDD"
  EXPECT_EQ(c[mask + 31 * 4 + 1], 0x7F);  // "D...", then columns 12 to 15
}

TEST(IconFiles, StartIconReadsBackAsItsTableAllOpaque) {
  const QImage image = ReadWithQt(StartIconFile(), "ICO");
  ASSERT_FALSE(image.isNull());
  ASSERT_EQ(image.size(), QSize(32, 32));
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(image.pixel(x, y), LetterColour(kStartIconRows[y][x]) | 0xFF000000u)
          << "pixel " << x << ", " << y;
    }
  }
}

TEST(IconFiles, BallCursorReadsBackAsItsTableAsCursorAndAsIcon) {
  for (const char* format : {"CUR", "ICO"}) {
    SCOPED_TRACE(format);
    const QImage image = ReadWithQt(BallCursorFile(), format);
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const char letter = y < 12 && x < 12 ? kBallCursorRows[y][x] : '.';
        if (letter == '.') {
          ASSERT_EQ(qAlpha(image.pixel(x, y)), 0) << "pixel " << x << ", " << y;
        } else {
          ASSERT_EQ(image.pixel(x, y), LetterColour(letter) | 0xFF000000u)
              << "pixel " << x << ", " << y;
        }
      }
    }
  }
}

struct BitmapCase {
  const char* name;
  const std::vector<std::uint8_t>& bytes;
  std::uint32_t width, height, size_image, fill;
};

const BitmapCase kBitmaps[] = {
    {"ShortStrip", ShortStripFile(), 44, 7, 924, 0},
    {"LongStrip", LongStripFile(), 99, 7, 2100, 3},
    {"AboutPicture", AboutPictureFile(), 110, 153, 50796, 2},
};

TEST(BitmapFiles, CarryEveryHeaderFieldAndZeroFill) {
  for (const BitmapCase& c : kBitmaps) {
    SCOPED_TRACE(c.name);
    const auto& b = c.bytes;
    ASSERT_EQ(b.size(), 54 + c.size_image);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32At(b, 2), b.size());
    EXPECT_EQ(U32At(b, 6), 0u);  // both reserved words
    EXPECT_EQ(U32At(b, 10), 54u);
    const std::uint32_t info[] = {40, c.width, c.height};
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(U32At(b, 14 + 4 * i), info[i]);
    EXPECT_EQ(U16At(b, 26), 1u);
    EXPECT_EQ(U16At(b, 28), 24u);
    const std::uint32_t rest[] = {0, c.size_image, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(U32At(b, 30 + 4 * i), rest[i]) << "field " << i;

    const std::uint32_t row = c.size_image / c.height;
    EXPECT_EQ(row, c.width * 3 + c.fill);
    EXPECT_EQ(row % 4, 0u);
    for (std::uint32_t y = 0; y < c.height; ++y) {
      for (std::uint32_t i = c.width * 3; i < row; ++i) EXPECT_EQ(b[54 + y * row + i], 0);
    }
  }
}

TEST(BitmapFiles, StoreTheBottomRowFirst) {
  // The strips' bottom row is their darkest: ShortStrip's starts white and ends 802020.
  const auto& s = ShortStripFile();
  EXPECT_EQ(U32At(s, 54) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(s[54 + 43 * 3 + 2], 0x80);  // red of the last pixel, stored blue, green, red
  const auto& l = LongStripFile();
  EXPECT_EQ(l[54 + 98 * 3 + 2], 0x50);
  EXPECT_EQ(l[54 + 98 * 3 + 1], 0x0F);
  EXPECT_EQ(l[54 + 98 * 3 + 0], 0x10);
  // The figure's bottom row is white paper.
  const auto& a = AboutPictureFile();
  for (std::size_t i = 54; i < 54 + 330; ++i) ASSERT_EQ(a[i], 0xFF) << "byte " << i;
}

std::vector<std::vector<QRgb>> StripTable(int width) {
  std::vector<std::vector<QRgb>> rows;
  for (int y = 0; y < kStripHeight; ++y) {
    std::vector<Rgb> row = ParseColourRow(kShortStripRows[y]);
    if (width == kLongStripWidth) {
      const auto tail = ParseColourRow(kLongStripTailRows[y]);
      EXPECT_EQ(tail.size(), 55u) << "long strip tail row " << y;
      row.insert(row.end(), tail.begin(), tail.end());
    }
    std::vector<QRgb> colours;
    colours.reserve(row.size());
    for (const Rgb& p : row) colours.push_back(qRgb(p.red, p.green, p.blue));
    rows.push_back(colours);
  }
  return rows;
}

TEST(BitmapFiles, StripsReadBackAsTheirTables) {
  for (const int width : {kShortStripWidth, kLongStripWidth}) {
    SCOPED_TRACE(width);
    const QImage image =
        ReadWithQt(width == kShortStripWidth ? ShortStripFile() : LongStripFile(), "BMP");
    ASSERT_EQ(image.size(), QSize(width, kStripHeight));
    const auto table = StripTable(width);
    for (int y = 0; y < kStripHeight; ++y) {
      ASSERT_EQ(table[y].size(), static_cast<std::size_t>(width));
      for (int x = 0; x < width; ++x) {
        ASSERT_EQ(image.pixel(x, y), table[y][x] | 0xFF000000u) << "pixel " << x << ", " << y;
      }
    }
  }
}

TEST(BitmapFiles, LongStripRunsExpandAsWritten) {
  // Spot values counted by hand from the runs: "BF1F20 AF2020 x4 AF1F1F" at column 44, and the
  // row that ends "4F0F1F 4F1010 500F10 x2".
  const QImage image = ReadWithQt(LongStripFile(), "BMP");
  EXPECT_EQ(image.pixel(44, 0), 0xFF000000u | HexColour("BF1F20"));
  EXPECT_EQ(image.pixel(48, 0), 0xFF000000u | HexColour("AF2020"));
  EXPECT_EQ(image.pixel(49, 0), 0xFF000000u | HexColour("AF1F1F"));
  EXPECT_EQ(image.pixel(95, 6), 0xFF000000u | HexColour("4F0F1F"));
  EXPECT_EQ(image.pixel(96, 6), 0xFF000000u | HexColour("4F1010"));
  EXPECT_EQ(image.pixel(98, 6), 0xFF000000u | HexColour("500F10"));
}

TEST(BitmapFiles, ShortStripIsTheLongStripsLeftEnd) {
  const QImage shorter = ReadWithQt(ShortStripFile(), "BMP");
  const QImage longer = ReadWithQt(LongStripFile(), "BMP");
  EXPECT_EQ(shorter, longer.copy(0, 0, kShortStripWidth, kStripHeight));
}

TEST(BitmapFiles, StripsKeepToThePencilLevels) {
  int zeros_in_long = 0;
  for (const int width : {kShortStripWidth, kLongStripWidth}) {
    const QImage image =
        ReadWithQt(width == kShortStripWidth ? ShortStripFile() : LongStripFile(), "BMP");
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        for (const int channel :
             {qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y))}) {
          EXPECT_TRUE(testing::OnPencilLevel(channel)) << x << ", " << y;
          if (channel == 0) {
            EXPECT_EQ(width, kLongStripWidth) << "00 only belongs in the long strip";
            ++zeros_in_long;
          }
        }
      }
    }
  }
  EXPECT_GT(zeros_in_long, 0);
}

}  // namespace
}  // namespace tessel::resources
