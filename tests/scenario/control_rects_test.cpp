#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

#include "tests/scenario/scenario.h"

namespace tessel::testing {
namespace {

// Text measured the same on every backend: 7 pixels a character, a line of the font's size and
// 5 more. The runtime then lays out the same pixels everywhere, and what each window system
// reports back must be them: a backend that rounds, fits or sizes anything itself shows here.
runtime::TextSize StandInMeasure(const runtime::ResolvedFont& font, std::string_view text) {
  return {7 * static_cast<int>(text.size()), font.pixel_size + 5};
}

struct Row {
  const char* window;
  const char* control;
  PixelRect rect;
};

// Every control of every window in description order, in its parent's client area. The auto-size
// labels have the stand-in's widths: W6Over, too wide for its stored Left (1725 twips), ends 4
// pixels inside the client area's 224; the panel's labels are centred on its 229 pixels, where
// the spare width is odd (126 and 56 pixels wide) half a pixel right.
constexpr Row kGolden[] = {
    {"WStart", "InfoSelect", {332, 4, 64, 21}}, {"WStart", "W20End", {212, 4, 100, 21}},
    {"WStart", "W20Select", {104, 4, 108, 21}}, {"WStart", "w6Select", {4, 4, 100, 21}},
    {"W6Form", "End", {84, 120, 81, 21}},       {"W6Form", "Click", {84, 4, 81, 110}},
    {"W6Form", "Line", {4, 148, 44, 7}},        {"W6Form", "cLA", {52, 144, 113, 14}},
    {"W6Form", "W6Print", {4, 4, 73, 135}},     {"W20Form", "Click", {140, 4, 81, 110}},
    {"W20Form", "End", {140, 120, 81, 21}},     {"W20Form", "Image1", {4, 148, 99, 7}},
    {"W20Form", "W6Over", {66, 144, 154, 16}},  {"W20Form", "W20Print", {4, 4, 131, 135}},
    {"InfoFR", "OK", {8, 112, 87, 21}},         {"InfoFR", "About", {8, 8, 229, 98}},
    {"InfoFR", "lblAbout1", {52, 4, 126, 26}},  {"InfoFR", "lblAbout2", {87, 36, 56, 16}},
    {"InfoFR", "lblAbout3", {83, 46, 63, 34}},  {"InfoFR", "Bild", {228, -8, 110, 153}},
};

std::string Line(std::string_view window, std::string_view control, const PixelRect& r) {
  std::ostringstream line;
  line << window << " " << control << " " << r.x << " " << r.y << " " << r.width << " " << r.height
       << "\n";
  return line.str();
}

std::string GoldenTable() {
  std::string table;
  for (const Row& row : kGolden) table += Line(row.window, row.control, row.rect);
  return table;
}

// Opens every window and hands each control of each, in description order, with the rectangle
// the window system reports for it, to `visit`.
void VisitEveryControl(Scenario& s,
                       const std::function<void(const char* window, std::string_view control,
                                                const PixelRect& rect)>& visit) {
  const auto visit_window = [&s, visit](const char* window) {
    const runtime::Form* form = s.application().FindInstance(window);
    for (int id = 1; form && !form->ControlName(id).empty(); ++id) {
      visit(window, form->ControlName(id), s.ControlRect(window, form->ControlName(id)));
    }
  };
  s.Then([&s] { s.OpenBothDice(); })
      .Then([&s, visit_window] {
        for (const char* window : {"WStart", "W6Form", "W20Form"}) visit_window(window);
        s.Click("WStart", "InfoSelect");
      })
      .Then([&s, visit_window] {
        visit_window("InfoFR");
        s.Click("InfoFR", "OK");
      });
  s.Run();
}

TEST(ControlRects, EveryControlOfEveryWindowStandsWhereTheRuntimeSettledIt) {
  Scenario s;
  s.faults().MeasureTextWith(StandInMeasure);
  std::string reported;
  VisitEveryControl(s, [&](const char* window, std::string_view control, const PixelRect& rect) {
    reported += Line(window, control, rect);
  });
  EXPECT_EQ(reported, GoldenTable());
}

// The labels with the fonts each target really draws, as Windows lays out the substitute faces:
// every target within a pixel of it, and no label's text out of its window's client area. What
// does not measure text stands as in the table above.
constexpr Row kLabelsWithRealFonts[] = {
    {"W6Form", "cLA", {52, 144, 113, 14}},      {"W6Form", "W6Print", {4, 4, 73, 135}},
    {"W20Form", "W6Over", {109, 144, 111, 12}}, {"W20Form", "W20Print", {4, 4, 131, 135}},
    {"InfoFR", "lblAbout1", {30, 4, 170, 28}},  {"InfoFR", "lblAbout2", {90, 36, 49, 13}},
    {"InfoFR", "lblAbout3", {58, 46, 114, 39}},
};

const Row* Find(const auto& table, std::string_view window, std::string_view control) {
  for (const Row& row : table)
    if (row.window == window && row.control == control) return &row;
  return nullptr;
}

bool Near(const PixelRect& a, const PixelRect& b) {
  return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1 && std::abs(a.width - b.width) <= 1 &&
         std::abs(a.height - b.height) <= 1;
}

TEST(ControlRects, WithTheRealFontsEveryTargetLaysOutAsWindowsDoesWithinAPixel) {
  Scenario s;
  std::string reported;
  VisitEveryControl(s, [&](const char* window, std::string_view control, const PixelRect& rect) {
    reported += Line(window, control, rect);
    const Row* label = Find(kLabelsWithRealFonts, window, control);
    const Row* expected = label ? label : Find(kGolden, window, control);
    ASSERT_NE(expected, nullptr) << control;
    EXPECT_TRUE(Near(rect, expected->rect)) << Line(window, control, rect);
    if (!label) return;
    const PixelRect client = s.surface().ClientArea(s.Handle(window));
    EXPECT_GE(rect.x, 0) << control;
    EXPECT_LE(rect.x + rect.width, client.width) << control;
    EXPECT_LE(rect.y + rect.height, client.height) << control;
  });
  RecordProperty("rects", reported);
}

struct NewCaption {
  const char* window;
  const char* label;
  const char* caption;
  PixelRect rect;
};

// A caption set while the window is open is fitted as the stored one was: from the stored place,
// so that no rounding builds up from one caption to the next.
constexpr NewCaption kNewCaptions[] = {
    {"InfoFR", "lblAbout2", "zeigt", {97, 36, 35, 16}},       // (229 - 35) / 2
    {"InfoFR", "lblAbout2", "presents", {87, 36, 56, 16}},    // back where it was built
    {"InfoFR", "lblAbout1", "Kestro", {94, 4, 42, 26}},       // 93.5, half a pixel right
    {"InfoFR", "lblAbout3", "Tessel 98 ", {80, 46, 70, 34}},  // (229 - 70) / 2 = 79.5
    {"W20Form", "W6Over", "by Tessel", {115, 144, 63, 16}},   // Left stays
    {"W20Form", "W20Print", "17", {4, 4, 131, 135}},          // not auto-size: stays
};

TEST(ControlRects, LabelsGivenACaptionLaterAreFittedByTheSameRule) {
  Scenario s;
  s.faults().MeasureTextWith(StandInMeasure);
  std::string reported, expected;
  s.Then([&] { s.Click("WStart", "W20Select"); })
      .Then([&] { s.Click("WStart", "InfoSelect"); })
      .Then([&] {
        for (const NewCaption& c : kNewCaptions) {
          runtime::Form* form = s.application().FindInstance(c.window);
          EXPECT_EQ(form->GetLabel(c.label).SetCaption(c.caption).status(), runtime::kOk);
          EXPECT_EQ(s.Caption(c.window, c.label), c.caption);
          reported += Line(c.window, c.label, s.ControlRect(c.window, c.label));
          expected += Line(c.window, c.label, c.rect);
        }
        s.Click("InfoFR", "OK");
      });
  s.Run();
  EXPECT_EQ(reported, expected);
}

}  // namespace
}  // namespace tessel::testing
