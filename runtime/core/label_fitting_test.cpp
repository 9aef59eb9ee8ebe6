#include "runtime/core/label_fitting.h"

#include <gtest/gtest.h>

#include "tests/support/print.h"

namespace tessel::runtime {
namespace {

// The information window's panel is 229 pixels wide; its labels are stored centred on it, where
// the centre falls on a half pixel half a pixel to the right: 35 + 160 / 2 = 115 = 114.5 + 0.5.
constexpr int kPanel = 229;
constexpr PixelRect kMaker{35, 4, 160, 29};
// The twenty's credit label is centred text, but its place is not centred on the window.
constexpr PixelRect kCredit{115, 144, 99, 14};

TEST(LabelFitting, TakesTheTextsWidthAndOneLineKeepingItsPlaceOrItsCentringOnTheParent) {
  struct Case {
    const char* what;
    LabelFitting label;
    TextSize text;
    PixelRect fitted;
  } const cases[] = {
      // (229 - 159) / 2 = 35, whole.
      {"odd width, centre on a whole pixel",
       {kMaker, kPanel, Alignment::kCentre},
       {159, 24},
       {35, 4, 159, 24}},
      // (229 - 158) / 2 = 35.5: half a pixel to the right.
      {"even width, centre on a half pixel",
       {kMaker, kPanel, Alignment::kCentre},
       {158, 24},
       {36, 4, 158, 24}},
      {"wider than the panel, half pixel",
       {kMaker, kPanel, Alignment::kCentre},
       {240, 24},
       {-5, 4, 240, 24}},
      {"wider than the panel, whole pixel",
       {kMaker, kPanel, Alignment::kCentre},
       {241, 24},
       {-6, 4, 241, 24}},
      {"stored centre exact, half pixel",
       {{40, 46, 149, 40}, kPanel, Alignment::kCentre},
       {114, 39},
       {58, 46, 114, 39}},
      {"centred text not centred on its parent",
       {kCredit, 224, Alignment::kCentre},
       {105, 12},
       {115, 144, 105, 12}},
      // Whole text before stored Left: a line that would run past the parent's edge moves in.
      {"ending on the parent's edge",
       {kCredit, 224, Alignment::kCentre},
       {109, 12},
       {115, 144, 109, 12}},
      {"running past the parent's edge",
       {kCredit, 224, Alignment::kCentre},
       {111, 12},
       {109, 144, 111, 12}},
      {"left-aligned, wider than the parent",
       {kCredit, 224, Alignment::kLeft},
       {230, 12},
       {0, 144, 230, 12}},
      {"left-aligned text centred on its parent",
       {kMaker, kPanel, Alignment::kLeft},
       {158, 24},
       {35, 4, 158, 24}},
      {"right-aligned text", {kMaker, kPanel, Alignment::kRight}, {100, 24}, {35, 4, 100, 24}},
      // The frame's line on either side, and centring still on the framed width.
      {"framed", {kMaker, kPanel, Alignment::kCentre, 1}, {156, 22}, {36, 4, 158, 24}},
  };
  for (const Case& c : cases) EXPECT_EQ(FitLabel(c.label, c.text), c.fitted) << c.what;
}

}  // namespace
}  // namespace tessel::runtime
