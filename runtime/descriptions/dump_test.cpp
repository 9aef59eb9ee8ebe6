#include "runtime/descriptions/dump.h"

#include <gtest/gtest.h>

#include "runtime/descriptions/value_text.h"
#include "tests/support/description_samples.h"

namespace tessel::descriptions {
namespace {

using testing::BitmapFile;
using testing::IconFile;

TEST(DescriptionValueText, ShowsEachKindReadably) {
  struct Case {
    Value value;
    const char* text;
  };
  const Case cases[] = {
      // Texts: blanks kept inside quotes, code page 1252 shown as UTF-8, the invisible escaped.
      {std::string("Info ..."), R"("Info ...")"},
      {std::string("  zwei  Blanks "), R"("  zwei  Blanks ")"},
      {std::string("a\"b\\c"), R"("a\"b\\c")"},
      {std::string("Zeile 1\r\nZeile 2\t"), R"("Zeile 1\r\nZeile 2\t")"},
      {std::string("W\xFCrfel \x80 5"), "\"Würfel € 5\""},
      {std::string("\x81\xA0\x01"), R"("\x81\xA0\x01")"},
      {std::uint8_t{4}, "4 (0x04)"},
      {std::uint8_t{0xFF}, "255 (0xFF)"},
      {std::int16_t{-120}, "-120"},
      {Colour{0x00FFFFFF}, "0x00FFFFFF"},
      {Colour{0x80000005}, "0x80000005 (system colour 5, window background)"},
      {Colour{0x80000008}, "0x80000008 (system colour 8, window text)"},
      {Colour{0x80000040}, "0x80000040 (system colour 64)"},
      {Colour{0x01000000}, "0x01000000 (not a colour value)"},
      {Geometry{3420, -120, 1650, 2295}, "Left 3420, Top -120, Width 1650, Height 2295"},
      {ClientRect{45, 285, 5760, 435},
       "ClientLeft 45, ClientTop 285, ClientWidth 5760, ClientHeight 435"},
      {FontRecord{1, 0, 0, 700, 97500, "Comic Sans MS"},
       R"("Comic Sans MS" 9.75 pt, weight 700, charset 0, attributes 0x00)"},
      {FontRecord{1, 0, 0, 400, 80000, "Arial"},
       R"("Arial" 8 pt, weight 400, charset 0, attributes 0x00)"},
      {FontRecord{2, 1, 2, 400, 100001, "X"},
       R"("X" 10.0001 pt, weight 400, charset 1, attributes 0x02, version 2)"},
      // The five pictures' sizes as the program carries them.
      {Picture{IconFile(1, 32)}, "icon 32 x 32 pixels, 766 bytes"},
      {Picture{IconFile(2, 32)}, "cursor 32 x 32 pixels, 766 bytes"},
      {Picture{BitmapFile(44, 7)}, "bitmap 44 x 7 pixels, 978 bytes"},
      {Picture{BitmapFile(99, 7)}, "bitmap 99 x 7 pixels, 2154 bytes"},
      {Picture{BitmapFile(110, 153)}, "bitmap 110 x 153 pixels, 50850 bytes"},
      {Picture{{'B', 'M', 0, 0}}, "bitmap of unknown size, 4 bytes"},
      {Picture{{0, 0, 1, 0, 0, 0}}, "icon of unknown size, 6 bytes"},
      {Picture{{1, 2, 3}}, "unrecognised picture, 3 bytes"},
      {FourBytes{0x01, 0x00, 0x42, 0x00}, "01 00 42 00"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatValue(c.value), c.text);
}

TEST(DescriptionDump, IndentsTheTreeUnderItsHeader) {
  Block label{2, "L", ClassCode::kLabel, {{0x01, std::string("a b")}}, {}};
  Block panel{1, "P", ClassCode::kPictureBox, {{0x77, std::uint8_t{7}}}, {label}};
  Block window{0, "W", ClassCode::kWindow, {{0x22, std::uint8_t{4}}}, {panel}};
  Description d{
      kWindowClassId, {0xA, 0xB, 0xC, {0, 1, 2, 3, 4, 5, 6, 0xFF}}, kWindowClassId, window};
  EXPECT_EQ(DumpDescription(d),
            "window id         {33AD4F3A-6699-11CF-B70C-00AA0060D393}\n"
            "interface id      {0000000A-000B-000C-0001-0203040506FF}\n"
            "class id          {33AD4F3A-6699-11CF-B70C-00AA0060D393}\n"
            "controls          2\n"
            "\n"
            "W (window, id 0)\n"
            "  BorderStyle       4 (0x04)\n"
            "\n"
            "  P (picture box, id 1)\n"
            "    Property 0x77     7 (0x07)\n"
            "\n"
            "    L (label, id 2)\n"
            "      Caption           \"a b\"\n");
}

}  // namespace
}  // namespace tessel::descriptions
