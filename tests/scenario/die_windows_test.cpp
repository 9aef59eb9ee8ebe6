#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

#include "program/resources/picture_tables.h"
#include "program/resources/rgb_image.h"
#include "runtime/core/fonts.h"
#include "runtime/core/services.h"
#include "tests/scenario/scenario.h"
#include "tests/scenario/text_bands.h"
#include "tests/support/print.h"

namespace tessel::testing {
namespace {

using runtime::ScopedRandomValue;

int Face(const std::string& caption) { return std::atoi(caption.c_str()); }

TEST(DieWindows, OpenSideBySideOnTopOfTheStartWindowAsOneBlock) {
  Scenario s;
  s.Then([&] { s.Click("WStart", "w6Select"); })
      .Then([&] { s.Click("WStart", "W20Select"); })
      .Then([&] {
        const PixelRect w6 = s.Frame("W6Form");
        const PixelRect w20 = s.Frame("W20Form");
        const PixelRect start = s.Frame("WStart");
        EXPECT_EQ(w6, (PixelRect{193, 133, 174, 182}));
        EXPECT_EQ(w20, (PixelRect{367, 133, 230, 182}));
        EXPECT_EQ(w6.y + w6.height, start.y);
        EXPECT_EQ(w20.y + w20.height, start.y);
        EXPECT_EQ(w20.x + w20.width - w6.x, 404);
        EXPECT_EQ(s.surface().ClientArea(s.Handle("W6Form")), (PixelRect{196, 152, 168, 160}));
        EXPECT_EQ(s.surface().WindowCaption(s.Handle("W6Form")), "6er Tessel");
        EXPECT_EQ(s.surface().WindowCaption(s.Handle("W20Form")), "20er Tessel");
      });
  s.Run();
}

TEST(DieWindows, ShowAFaceFromTheFirstFrameOn) {
  Scenario s;
  std::vector<std::pair<Operation, WindowHandle>> calls;
  std::vector<WindowHandle> dice;
  s.Then([&] { s.Click("WStart", "w6Select"); })
      .Then([&] { s.Click("WStart", "W20Select"); })
      .Then([&] {
        const int six = Face(s.Caption("W6Form", "W6Print"));
        const int twenty = Face(s.Caption("W20Form", "W20Print"));
        EXPECT_TRUE(six >= 1 && six <= 6) << six;
        EXPECT_TRUE(twenty >= 1 && twenty <= 20) << twenty;
        calls = s.faults().calls();
        dice = {s.Handle("W6Form"), s.Handle("W20Form")};
      });
  s.Run();
  ASSERT_EQ(dice.size(), 2u);
  // For each die window: created, moved, rolled, and only then shown.
  for (const WindowHandle window : dice) {
    std::vector<Operation> order;
    for (const auto& [operation, handle] : calls) {
      if (handle == window) order.push_back(operation);
    }
    EXPECT_EQ(order, (std::vector<Operation>{Operation::kMoveWindow, Operation::kSetCaption,
                                             Operation::kShowWindow}));
  }
}

TEST(DieWindows, RollTheFixedDrawIntoTheirOwnLabelOnly) {
  Scenario s;
  std::vector<std::string> seen;
  auto record = [&] {
    seen.push_back(s.Caption("W6Form", "W6Print") + "/" + s.Caption("W20Form", "W20Print"));
  };
  s.Then([&] {
     ScopedRandomValue r(0.0f);
     s.OpenBothDice();
     record();
   })
      .Then([&] {
        ScopedRandomValue r(0.5f);
        s.Click("W6Form", "Click");
        record();
        s.Click("W20Form", "Click");
        record();
      })
      .Then([&] {
        ScopedRandomValue r(std::nextafter(1.0f, 0.0f));
        s.Click("W20Form", "Click");
        record();
      });
  s.Run();
  EXPECT_EQ(seen, (std::vector<std::string>{"1/1", "4/1", "4/11", "4/20"}));
}

TEST(DieWindows, ShowingAnOpenWindowAgainNeitherMovesNorRolls) {
  Scenario s;
  PixelRect dragged;
  std::string face_after_second_press;
  s.Then([&] {
     ScopedRandomValue r(0.0f);
     s.Click("WStart", "w6Select");
   }).Then([&] {
    s.surface().DragTitleBar(s.Handle("W6Form"), 40, 25);
    dragged = s.Frame("W6Form");
    ScopedRandomValue r(0.9f);
    s.Click("WStart", "w6Select");
    face_after_second_press = s.Caption("W6Form", "W6Print");
    EXPECT_EQ(s.Frame("W6Form"), dragged);
    s.Click("W6Form", "End");
    EXPECT_FALSE(s.Loaded("W6Form"));
    s.Click("WStart", "w6Select");
    EXPECT_EQ(s.Frame("W6Form"), (PixelRect{193, 133, 174, 182}));
    EXPECT_EQ(s.Caption("W6Form", "W6Print"), "6");
  });
  s.Run();
  EXPECT_EQ(dragged, (PixelRect{233, 158, 174, 182}));
  EXPECT_EQ(face_after_second_press, "1");
}

TEST(DieWindows, FocusStartsOnTheCloseButtonSoSpaceCloses) {
  Scenario s;
  std::string w6_focus, w20_focus;
  s.Then([&] { s.OpenBothDice(); })
      .Then([&] {
        w6_focus = s.Focused("W6Form");
        w20_focus = s.Focused("W20Form");
        s.Press("W20Form", Key::kSpace);
      })
      .Then([&] {
        EXPECT_FALSE(s.Loaded("W20Form"));
        EXPECT_TRUE(s.Loaded("W6Form"));
      });
  s.Run();
  EXPECT_EQ(w20_focus, "End");
  // The roll buttons stay out of the tab sequence, so W6Form opens on its close button too.
  EXPECT_EQ(w6_focus, "End");
}

TEST(DieWindows, ShowTheSystemArrowNotTheirStoredPointer) {
  Scenario s;
  s.Then([&] { s.OpenBothDice(); }).Then([&] {
    EXPECT_TRUE(s.surface().ShowsArrowPointer(s.Handle("W6Form")));
    EXPECT_TRUE(s.surface().ShowsArrowPointer(s.Handle("W20Form")));
  });
  s.Run();
}

// The twenty's credit label is auto-size: as wide as its caption as this platform draws its font,
// one line high, at its stored Top and at its stored Left unless the text would then run past the
// client area's 224 pixels: then it ends 4 pixels inside. The six's is not, and keeps its size.
TEST(DieWindows, OnlyTheTwentysCreditLabelTakesItsTextsSize) {
  Scenario s;
  s.Then([&] { s.OpenBothDice(); }).Then([&] {
    const runtime::TextSize text = s.faults().MeasureText(
        runtime::ResolveFont({1, 0, 0, 400, 82500, "Arial"}), " by Kestro Productions");
    const int left = std::min(115, 224 - 4 - text.width);
    EXPECT_EQ(s.ControlRect("W20Form", "W6Over"), (PixelRect{left, 144, text.width, text.height}));
    EXPECT_EQ(s.ControlRect("W6Form", "cLA"), (PixelRect{52, 144, 113, 14}));
  });
  s.Run();
}

TEST(DieWindows, HintsSitOnTheButtonsWithTheirBlanks) {
  Scenario s;
  s.Then([&] { s.OpenBothDice(); }).Then([&] {
    EXPECT_EQ(s.ToolTip("W6Form", "End"), "Ahem, ist zum BEENDEN gedacht, steht doch da ... ");
    EXPECT_EQ(s.ToolTip("W20Form", "End"), "  Ahem,  ist zum BEENDEN gedacht, steht doch da ... ");
    EXPECT_EQ(s.ToolTip("W6Form", "Click"), "... nun mach' schon  ");
    EXPECT_EQ(s.ToolTip("W20Form", "Click"), "... nun mach' schon  ");
    for (const char* quiet : {"W6Print", "cLA", "Line"}) EXPECT_EQ(s.ToolTip("W6Form", quiet), "");
    for (const char* quiet : {"W20Print", "W6Over", "Image1"}) {
      EXPECT_EQ(s.ToolTip("W20Form", quiet), "");
    }
  });
  s.Run();
}

// What the window shows inside one control: the screenshot region and its text lines.
std::vector<TextBand> LinesIn(Scenario& s, const char* window, const char* control) {
  const WindowHandle handle = s.Handle(window);
  const Screenshot shot = s.surface().Grab(handle);
  const PixelRect area =
      InWindow(s.Frame(window), s.surface().ClientArea(handle), s.ControlRect(window, control));
  return FindTextBands(shot, area, 3);
}

void ExpectCentred(const TextBand& band, const PixelRect& area) {
  const int left_margin = band.left - area.x;
  const int right_margin = area.x + area.width - 1 - band.right;
  EXPECT_LE(std::abs(left_margin - right_margin), 2) << left_margin << " vs " << right_margin;
}

TEST(DieWindows, RollButtonBreaksIntoTwoCentredLinesAndTwentyStandsOnOne) {
  Scenario s;
  s.Then([&] {
     ScopedRandomValue r(0.96f);  // face 20
     s.Click("WStart", "W20Select");
   }).Then([&] {
    const WindowHandle w20 = s.Handle("W20Form");
    const auto in_window = [&](const char* control) {
      return InWindow(s.Frame("W20Form"), s.surface().ClientArea(w20),
                      s.ControlRect("W20Form", control));
    };
    const std::vector<TextBand> roll = LinesIn(s, "W20Form", "Click");
    ASSERT_EQ(roll.size(), 2u) << "Klick / mich!";
    for (const TextBand& line : roll) ExpectCentred(line, in_window("Click"));
    EXPECT_EQ(s.Caption("W20Form", "W20Print"), "20");
    const std::vector<TextBand> number = LinesIn(s, "W20Form", "W20Print");
    ASSERT_EQ(number.size(), 1u);
    ExpectCentred(number[0], in_window("W20Print"));
  });
  s.Run();
}

// The strip as its pixel table has it, rows from the top.
std::vector<std::vector<resources::Rgb>> StripTable(bool long_strip) {
  std::vector<std::vector<resources::Rgb>> rows;
  for (int y = 0; y < resources::kStripHeight; ++y) {
    std::vector<resources::Rgb> row = resources::ParseColourRow(resources::kShortStripRows[y]);
    if (long_strip) {
      const auto tail = resources::ParseColourRow(resources::kLongStripTailRows[y]);
      row.insert(row.end(), tail.begin(), tail.end());
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

TEST(DieWindows, StripsShowTheirPixelsAtNaturalSize) {
  Scenario s;
  s.Then([&] { s.OpenBothDice(); }).Then([&] {
    for (const auto& [window, strip, long_strip] :
         {std::tuple{"W6Form", "Line", false}, std::tuple{"W20Form", "Image1", true}}) {
      const WindowHandle handle = s.Handle(window);
      const Screenshot shot = s.surface().Grab(handle);
      const PixelRect area =
          InWindow(s.Frame(window), s.surface().ClientArea(handle), s.ControlRect(window, strip));
      const auto table = StripTable(long_strip);
      EXPECT_EQ(area.width, static_cast<int>(table[0].size()));
      EXPECT_EQ(area.height, 7);
      int mismatches = 0;
      for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < static_cast<int>(table[0].size()); ++x) {
          const resources::Rgb& want = table[static_cast<size_t>(y)][static_cast<size_t>(x)];
          const std::uint32_t got = shot.At(area.x + x, area.y + y);
          const std::uint32_t expected = 0xFF000000u | want.red << 16 | want.green << 8 | want.blue;
          if (got != expected) ++mismatches;
        }
      }
      EXPECT_EQ(mismatches, 0) << window;
    }
  });
  s.Run();
}

}  // namespace
}  // namespace tessel::testing
