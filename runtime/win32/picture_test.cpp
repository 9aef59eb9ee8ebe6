#include "runtime/win32/picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "program/resources/picture_tables.h"
#include "program/resources/pictures.h"
#include "runtime/win32/picture_layout.h"

namespace tessel::runtime::win32 {
namespace {

using descriptions::PictureKind;

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(PictureLayout, ReadsTheNaturalSizeOfEveryStoredPicture) {
  struct Case {
    const char* name;
    const Bytes& file;
    PictureKind kind;
    int width;
    int height;
  } const cases[] = {
      {"StartIcon", resources::StartIconFile(), PictureKind::kIcon, 32, 32},
      {"BallCursor", resources::BallCursorFile(), PictureKind::kCursor, 32, 32},
      {"ShortStrip", resources::ShortStripFile(), PictureKind::kBitmap, 44, 7},
      {"LongStrip", resources::LongStripFile(), PictureKind::kBitmap, 99, 7},
      {"AboutPicture", resources::AboutPictureFile(), PictureKind::kBitmap, 110, 153},
  };
  for (const Case& c : cases) {
    const PictureLayout layout = LocatePicture(c.file, c.kind);
    ASSERT_TRUE(layout.ok()) << c.name << ": " << layout.error;
    EXPECT_EQ(layout.width, c.width) << c.name;
    EXPECT_EQ(layout.height, c.height) << c.name;
  }
}

// Each case breaks one field of a good file; the error must name where the reader stopped.
TEST(PictureLayout, RefusesBrokenFilesNamingTheOffset) {
  struct Case {
    const char* what;
    const Bytes& base;
    std::function<void(Bytes&)> break_it;
    const char* offset;
  } const cases[] = {
      {"bitmap cut inside its headers", resources::ShortStripFile(), [](Bytes& b) { b.resize(30); },
       "offset 0:"},
      {"bitmap with a core header", resources::ShortStripFile(), [](Bytes& b) { Put32(b, 14, 12); },
       "offset 14:"},
      {"bitmap zero pixels wide", resources::ShortStripFile(), [](Bytes& b) { Put32(b, 18, 0); },
       "offset 18:"},
      {"bitmap of two planes", resources::ShortStripFile(), [](Bytes& b) { b[26] = 2; },
       "offset 26:"},
      {"bitmap of 7 bits a pixel", resources::ShortStripFile(), [](Bytes& b) { b[28] = 7; },
       "offset 28:"},
      {"run-length bitmap", resources::ShortStripFile(), [](Bytes& b) { Put32(b, 30, 1); },
       "offset 30:"},
      {"bitmap with 300 palette colours", resources::ShortStripFile(),
       [](Bytes& b) { Put32(b, 46, 300); }, "offset 46:"},
      {"bitmap one byte short of its rows", resources::ShortStripFile(),
       [](Bytes& b) { b.pop_back(); }, "offset 10:"},
      {"bitmap rows placed past the end", resources::LongStripFile(),
       [](Bytes& b) { Put32(b, 10, 0x7FFFFFF0); }, "offset 10:"},
      {"icon cut inside its directory", resources::StartIconFile(), [](Bytes& b) { b.resize(21); },
       "offset 0:"},
      {"directory of type 3", resources::StartIconFile(), [](Bytes& b) { b[2] = 3; }, "offset 0:"},
      {"directory of no images", resources::StartIconFile(), [](Bytes& b) { b[4] = 0; },
       "offset 4:"},
      {"icon image past the end", resources::StartIconFile(),
       [](Bytes& b) { Put32(b, 18, 0xFFFFFFF0); }, "offset 14:"},
      {"cursor holding a PNG image", resources::BallCursorFile(),
       [](Bytes& b) { Put32(b, 22, 0x474E5089); }, "offset 22:"},
      {"icon that is a cursor", resources::StartIconFile(), [](Bytes& b) { b[2] = 2; },
       "offset 0:"},
      {"bitmap without its signature", resources::ShortStripFile(), [](Bytes& b) { b[0] = 'G'; },
       "offset 0:"},
  };
  for (const Case& c : cases) {
    // Of the kind its good file announces: a broken signature does not send it elsewhere.
    const PictureKind kind = *descriptions::KindOfPictureFile(c.base);
    Bytes file = c.base;
    c.break_it(file);
    const PictureLayout layout = LocatePicture(file, kind);
    EXPECT_EQ(layout.error.rfind(c.offset, 0), 0u) << c.what << ": \"" << layout.error << '"';
    EXPECT_TRUE(DecodePicture({file, kind}).empty()) << c.what;
  }
}

// The colours of the 16-colour palette that the tables' letters stand for, as 0x00RRGGBB.
std::uint32_t LetterColour(char letter) {
  switch (letter) {
    case 'K':
      return 0x000000;
    case 'T':
      return 0x008080;
    case 'L':
      return 0xC0C0C0;
    case 'Y':
      return 0xFFFF00;
    case 'D':
      return 0x008000;
    case 'G':
      return 0x00FF00;
    default:
      return 0xFFFFFF;  // white, and transparent over the white ground
  }
}

// Draws an icon or cursor over white as the system draws it, 0x00RRGGBB rows from the top.
std::vector<std::uint32_t> DrawOnWhite(HICON icon, int side) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = side;
  info.bmiHeader.biHeight = -side;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, section);
  PatBlt(dc, 0, 0, side, side, WHITENESS);
  DrawIconEx(dc, 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> drawn(pixels, pixels + side * side);
  for (std::uint32_t& p : drawn) p &= 0xFFFFFF;
  SelectObject(dc, previous);
  DeleteObject(section);
  DeleteDC(dc);
  return drawn;
}

TEST(DecodePicture, IconAndCursorDrawTheirPixelTables) {
  struct Case {
    const char* name;
    const Bytes& file;
    const std::string_view* rows;
    size_t row_count;
  } const cases[] = {
      {"StartIcon", resources::StartIconFile(), resources::kStartIconRows.data(),
       resources::kStartIconRows.size()},
      {"BallCursor", resources::BallCursorFile(), resources::kBallCursorRows.data(),
       resources::kBallCursorRows.size()},
  };
  for (const Case& c : cases) {
    const Picture picture = DecodePicture(*ReadPicture(c.file));
    ASSERT_NE(picture.icon, nullptr) << c.name;
    const bool cursor = c.file[2] == 2;
    EXPECT_EQ(picture.cursor, cursor) << c.name;
    // A cursor keeps its hot spot, the ball's top-left corner; an icon's is its centre.
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(picture.icon, &info)) << c.name;
    EXPECT_EQ(info.fIcon == FALSE, cursor) << c.name;
    EXPECT_EQ(info.xHotspot, cursor ? 0u : 16u) << c.name;
    EXPECT_EQ(info.yHotspot, cursor ? 0u : 16u) << c.name;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    const std::vector<std::uint32_t> drawn = DrawOnWhite(picture.icon, 32);
    int mismatches = 0;
    for (size_t y = 0; y < 32; ++y) {
      for (size_t x = 0; x < 32; ++x) {
        const char letter = y < c.row_count && x < c.rows[y].size() ? c.rows[y][x] : '.';
        if (drawn[y * 32 + x] != LetterColour(letter)) ++mismatches;
      }
    }
    EXPECT_EQ(mismatches, 0) << c.name;
    DestroyIcon(picture.icon);
  }
}

}  // namespace
}  // namespace tessel::runtime::win32
