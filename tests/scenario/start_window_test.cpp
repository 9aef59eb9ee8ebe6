#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/scenario/scenario.h"
#include "tests/support/print.h"

namespace tessel::testing {
namespace {

TEST(StartWindow, OpensAloneAtItsPlaceWithItsButtonsInARow) {
  Scenario s;
  s.Then([&] {
    const WindowHandle start = s.Handle("WStart");
    ASSERT_NE(start, 0u);
    EXPECT_EQ(s.surface().WindowCaption(start), "Tessel 98   V1.1   (29.05.1998)");
    EXPECT_EQ(s.Frame("WStart"), (PixelRect{193, 315, 404, 49}));
    EXPECT_EQ(s.surface().ClientArea(start), (PixelRect{196, 334, 398, 27}));
    struct Row {
      const char* name;
      const char* caption;
      PixelRect rect;
    } const rows[] = {{"w6Select", "6er Tessel", {4, 4, 100, 21}},
                      {"W20Select", "20er Tessel", {104, 4, 108, 21}},
                      {"W20End", "Beenden", {212, 4, 100, 21}},
                      {"InfoSelect", "Info ...", {332, 4, 64, 21}}};
    for (const Row& row : rows) {
      EXPECT_EQ(s.ControlRect("WStart", row.name), row.rect) << row.name;
      EXPECT_EQ(s.Caption("WStart", row.name), row.caption);
      EXPECT_EQ(s.ToolTip("WStart", row.name), "");
    }
    EXPECT_FALSE(s.Referenced("W6Form") || s.Referenced("W20Form") || s.Referenced("InfoFR"));
  });
  EXPECT_EQ(s.Run(), -1);
}

TEST(StartWindow, TabWalksTheButtonsLeftToRightAndWrapsAround) {
  Scenario s;
  std::vector<std::string> seen;
  s.Then([&] {
    seen.push_back(s.Focused("WStart"));
    for (int i = 0; i < 4; ++i) {
      s.Press("WStart", Key::kTab);
      seen.push_back(s.Focused("WStart"));
    }
    s.Press("WStart", Key::kBacktab);
    seen.push_back(s.Focused("WStart"));
  });
  s.Run();
  EXPECT_EQ(seen, (std::vector<std::string>{"w6Select", "W20Select", "W20End", "InfoSelect",
                                            "w6Select", "InfoSelect"}));
}

TEST(StartWindow, SpaceAndEnterPressTheFocusedButton) {
  Scenario s;
  s.Then([&] { s.Press("WStart", Key::kSpace); })
      .Then([&] {
        EXPECT_TRUE(s.Loaded("W6Form"));
        s.Click("W6Form", "End");
        s.Press("WStart", Key::kTab);
        s.Press("WStart", Key::kEnter);
      })
      .Then([&] { EXPECT_TRUE(s.Loaded("W20Form")); });
  s.Run();
}

// The program ends with its last window, whichever way each window goes: by its own button,
// its close box, the window manager's request or Alt+F4; until then it runs on.
enum class Way { kButton, kCloseBox, kWindowManager, kAltF4 };

struct Closing {
  const char* name;
  std::vector<const char*> opened;  // the start window's buttons pressed first
  std::vector<std::pair<const char*, Way>> closed;
};

void Close(Scenario& s, const char* window, Way way) {
  switch (way) {
    case Way::kButton:
      s.Click(window, std::string_view(window) == "WStart" ? "W20End" : "End");
      break;
    case Way::kCloseBox:
      s.surface().PressCloseBox(s.Handle(window));
      break;
    case Way::kWindowManager:
      s.surface().RequestClose(s.Handle(window));
      break;
    case Way::kAltF4:
      s.Press(window, Key::kAltF4);
      break;
  }
}

class ProgramEnd : public ::testing::TestWithParam<Closing> {};

TEST_P(ProgramEnd, ComesWithTheLastWindowWhicheverWayEachGoes) {
  const Closing& c = GetParam();
  Scenario s;
  std::vector<std::string> still_running;  // after each close but the last
  s.Then([&] {
    for (const char* button : c.opened) s.Click("WStart", button);
  });
  for (size_t i = 0; i < c.closed.size(); ++i) {
    const char* window = c.closed[i].first;
    const Way way = c.closed[i].second;
    s.Then([&s, window, way] { Close(s, window, way); }).ThenWaitFor([&s, window] {
      return !s.Loaded(window);
    });
    if (i + 1 == c.closed.size()) break;
    s.Then([&s, &c, &still_running, i] {
      std::string loaded;
      for (size_t j = i + 1; j < c.closed.size(); ++j) {
        loaded += s.Loaded(c.closed[j].first) ? "" : std::string(c.closed[j].first) + " gone ";
      }
      still_running.push_back(loaded.empty() ? "running" : loaded);
    });
  }
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(still_running, std::vector<std::string>(c.closed.size() - 1, "running"));
  for (const auto& [window, way] : c.closed) EXPECT_FALSE(s.Loaded(window)) << window;
}

INSTANTIATE_TEST_SUITE_P(
    Closings, ProgramEnd,
    ::testing::Values(
        Closing{"StartAloneByItsButton", {}, {{"WStart", Way::kButton}}},
        Closing{"StartAloneByItsCloseBox", {}, {{"WStart", Way::kCloseBox}}},
        Closing{"StartAloneByTheWindowManager", {}, {{"WStart", Way::kWindowManager}}},
        Closing{"StartAloneByAltF4", {}, {{"WStart", Way::kAltF4}}},
        Closing{"StartBeforeADieWindow",
                {"w6Select"},
                {{"WStart", Way::kButton}, {"W6Form", Way::kButton}}},
        Closing{"StartBeforeBothDieWindows",
                {"w6Select", "W20Select"},
                {{"WStart", Way::kButton}, {"W20Form", Way::kButton}, {"W6Form", Way::kCloseBox}}}),
    [](const ::testing::TestParamInfo<Closing>& param_info) {
      return std::string(param_info.param.name);
    });

// Every way a failure travels ends in the one report: a message box naming the failing
// operation and why, once; then the handler has ended and the program goes on, every window that
// is still loaded on the screen and taking input.
struct FaultCase {
  const char* name;
  Operation operation;
  int nth;                     // which call of the operation fails, counted from the start
  void (*reach)(Scenario& s);  // what the user does to make it; none: the start window's Load
  const char* reported;        // text the message box must hold
};

void Press(Scenario& s, const char* button) { s.Click("WStart", button); }

class StartWindowFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(StartWindowFault, IsReportedOnceAndTheProgramGoesOn) {
  const FaultCase& c = GetParam();
  Scenario s;
  s.faults().FailNth(c.operation, c.nth, runtime::kFailed);
  std::vector<std::string> boxes;
  s.Then([&] {
     if (c.reach) c.reach(s);
   })
      .Then([&] {
        boxes = s.surface().MessageBoxes();
        s.surface().DismissMessageBox();
      })
      .Then([&] {
        EXPECT_TRUE(s.surface().MessageBoxes().empty());
        EXPECT_TRUE(s.Loaded("WStart"));
        for (const char* window : {"WStart", "W6Form", "W20Form", "InfoFR"}) {
          if (!s.Loaded(window)) continue;
          EXPECT_TRUE(s.surface().IsVisible(s.Handle(window))) << window;
          EXPECT_TRUE(s.surface().IsEnabled(s.Handle(window))) << window;
        }
      });
  s.Run();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find(c.reported), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[0].find("80004005"), std::string::npos) << boxes[0];
}

INSTANTIATE_TEST_SUITE_P(
    Routes, StartWindowFault,
    // The start window's own Move, CreateWindow and ShowWindow are the first of each.
    ::testing::Values(
        FaultCase{"MoveInAHandler", Operation::kMoveWindow, 1, nullptr,
                  "'Move' des Objekts 'WStart'"},
        FaultCase{"WindowNotMadeWhole", Operation::kCreateWindow, 2,
                  [](Scenario& s) { Press(s, "w6Select"); },
                  "Das Fenster 'W6Form' ließ sich nicht vollständig erstellen."},
        FaultCase{"LoadedWindowNotShown", Operation::kShowWindow, 2,
                  [](Scenario& s) { Press(s, "w6Select"); }, "'Show' des Objekts 'W6Form'"},
        FaultCase{"TextNotMeasured", Operation::kMeasureText, 1,
                  [](Scenario& s) { Press(s, "W20Select"); },
                  "Die Texte des Fensters 'W20Form' ließen sich nicht messen."},
        FaultCase{"WindowNotCentred", Operation::kMoveWindow, 2,
                  [](Scenario& s) { Press(s, "InfoSelect"); },
                  "Das Fenster 'InfoFR' ließ sich nicht in die Mitte des Bildschirms setzen."},
        FaultCase{"OthersNotBlocked", Operation::kSetWindowEnabled, 1,
                  [](Scenario& s) { Press(s, "InfoSelect"); }, "'Show' des Objekts 'InfoFR'"},
        FaultCase{"UnloadByAButton", Operation::kDestroyWindow, 1,
                  [](Scenario& s) { Press(s, "W20End"); }, "'Unload' des Objekts 'Global'"},
        FaultCase{"UnloadByTheCloseBox", Operation::kDestroyWindow, 1,
                  [](Scenario& s) { s.surface().PressCloseBox(s.Handle("WStart")); },
                  "'Unload' des Objekts 'Global'"}),
    [](const ::testing::TestParamInfo<FaultCase>& param_info) {
      return std::string(param_info.param.name);
    });

}  // namespace
}  // namespace tessel::testing
