#include "runtime/win32/picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "program/resources/picture_tables.h"
#include "program/resources/pictures.h"

namespace tessel::runtime::win32 {
namespace {

using Bytes = std::vector<std::uint8_t>;

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
    const Picture picture = DecodePicture(ReadPicture(c.file));
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
