// The program on an X desktop, with real input through the X server and what the server holds
// about the windows read back from it: run on a bare server and under window managers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "program/resources/picture_tables.h"
#include "tests/scenario/print.h"
#include "tests/scenario/scenario.h"
#include "tests/support/qt_picture_reader.h"
#include "tests/support/x_display.h"

namespace tessel::testing {
namespace {

XDisplay& X() {
  static XDisplay display;
  return display;
}

class Desktop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(X().connected()) << "no X server on $DISPLAY";
    const std::string wm = X().WindowManager();
    RecordProperty("window_manager", wm.empty() ? "none" : wm);
  }
};

XWindowId Id(Scenario& s, const char* window) { return s.surface().NativeId(s.Handle(window)); }

// Active for the program and for the window manager alike, so that keys go to it.
bool Active(Scenario& s, const char* window) {
  return s.surface().IsActive(s.Handle(window)) && X().ActiveWindow() == Id(s, window);
}

// A point of the title bar, clear of the close box.
void ClickTitleBar(Scenario& s, const char* window) {
  const PixelRect frame = s.Frame(window);
  X().Click(frame.x + 30, frame.y + 10);
}

void ClickControl(Scenario& s, const char* window, const char* control) {
  const PixelRect client = s.surface().ClientArea(s.Handle(window));
  const PixelRect r = s.ControlRect(window, control);
  X().Click(client.x + r.x + r.width / 2, client.y + r.y + r.height / 2);
}

// A real click on a start-window button that opens the window, and the wait until the window
// manager has made it the active window.
Scenario& Open(Scenario& s, const char* button, const char* window) {
  return s.ThenWaitFor([&s] { return X().Viewable(Id(s, "WStart")); })
      .Then([&s, button] { ClickControl(s, "WStart", button); })
      .ThenWaitFor([&s, window] { return Active(s, window); });
}

auto Now() { return std::chrono::steady_clock::now(); }

// Time for the window manager and the program to answer input that has no visible effect.
Scenario& Settle(Scenario& s, std::chrono::steady_clock::time_point& since) {
  return s.Then([&] { since = Now(); }).ThenWaitFor([&] {
    return Now() - since > std::chrono::milliseconds(500);
  });
}

// WM_DELETE_WINDOW, as every window manager sends it for its close button, Alt+F4 and the
// task bar's close, unloads the window as its own close box does.
TEST_F(Desktop, DeleteRequestUnloadsEachWindow) {
  Scenario s;
  bool start_takes_input = false;
  Open(s, "w6Select", "W6Form");
  Open(s, "W20Select", "W20Form")
      .Then([&] { X().SendDeleteWindow(Id(s, "W6Form")); })
      .ThenWaitFor([&] { return !s.Loaded("W6Form"); })
      .Then([&] { X().SendDeleteWindow(Id(s, "W20Form")); })
      .ThenWaitFor([&] { return !s.Loaded("W20Form"); });
  Open(s, "InfoSelect", "InfoFR")
      .Then([&] { X().SendDeleteWindow(Id(s, "InfoFR")); })
      .ThenWaitFor([&] { return !s.Loaded("InfoFR"); })
      .Then([&] {
        start_takes_input = s.surface().IsEnabled(s.Handle("WStart"));
        X().SendDeleteWindow(Id(s, "WStart"));
      })
      .ThenWaitFor([&] { return !s.Loaded("WStart"); });
  EXPECT_EQ(s.Run(), 0);
  EXPECT_TRUE(start_takes_input);
}

// Alt+F4 on the keyboard closes the active window: through the window manager where one takes
// the keys, through the window itself where none does.
TEST_F(Desktop, AltF4ClosesTheActiveWindow) {
  Scenario s;
  Open(s, "w6Select", "W6Form");
  Open(s, "W20Select", "W20Form")
      .Then([&] { ClickTitleBar(s, "W6Form"); })
      .ThenWaitFor([&] { return Active(s, "W6Form"); })
      .Then([&] {
        X().PressKeys({"Alt_L", "F4"});
      })
      .ThenWaitFor([&] { return !s.Loaded("W6Form"); })
      .Then([&] {
        EXPECT_TRUE(s.Loaded("W20Form"));
        s.Click("WStart", "InfoSelect");
      })
      .ThenWaitFor([&] { return Active(s, "InfoFR"); })
      .Then([&] {
        X().PressKeys({"Alt_L", "F4"});
      })
      .ThenWaitFor([&] { return !s.Loaded("InfoFR"); })
      .Then([&] { ClickTitleBar(s, "W20Form"); })
      .ThenWaitFor([&] { return Active(s, "W20Form"); })
      .Then([&] {
        X().PressKeys({"Alt_L", "F4"});
      })
      .ThenWaitFor([&] { return !s.Loaded("W20Form"); })
      .Then([&] { ClickTitleBar(s, "WStart"); })
      .ThenWaitFor([&] { return Active(s, "WStart"); })
      .Then([&] {
        X().PressKeys({"Alt_L", "F4"});
      })
      .ThenWaitFor([&] { return !s.Loaded("WStart"); });
  EXPECT_EQ(s.Run(), 0);
}

// Real clicks on every other window, title bars and buttons, change nothing: the information
// window stays in front with the keyboard, so Return presses its OK.
TEST_F(Desktop, ModalWindowStaysInFrontWithTheKeyboard) {
  Scenario s;
  std::string faces_before, faces_during;
  XWindowId top = 0, focus = 0, about = 0;
  std::chrono::steady_clock::time_point since;
  const auto faces = [&] {
    return s.Caption("W6Form", "W6Print") + "/" + s.Caption("W20Form", "W20Print");
  };
  Open(s, "w6Select", "W6Form");
  Open(s, "W20Select", "W20Form").Then([&] { faces_before = faces(); });
  Open(s, "InfoSelect", "InfoFR").Then([&] {
    for (const char* window : {"WStart", "W6Form", "W20Form"}) ClickTitleBar(s, window);
    ClickControl(s, "W6Form", "Click");
    ClickControl(s, "W20Form", "Click");
    ClickControl(s, "W6Form", "W6Print");
    ClickControl(s, "WStart", "W20Select");
  });
  Settle(s, since).Then([&] {
    faces_during = faces();
    about = Id(s, "InfoFR");
    const std::vector<XWindowId> order = X().StackingOrder();
    const auto ours = [&](XWindowId w) {
      for (const char* window : {"WStart", "W6Form", "W20Form", "InfoFR"}) {
        if (w == Id(s, window)) return true;
      }
      return false;
    };
    const auto last = std::find_if(order.rbegin(), order.rend(), ours);
    top = last == order.rend() ? 0 : *last;
    focus = X().KeyboardFocus();
    X().PressKeys({"Return"});
  });
  s.ThenWaitFor([&] { return !s.Loaded("InfoFR"); }).Then([&] {
    s.Click("W6Form", "End");
    s.Click("W20Form", "End");
    s.Click("WStart", "W20End");
  });
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(faces_during, faces_before);
  EXPECT_EQ(top, about) << "the information window is not the top one";
  EXPECT_EQ(focus, about) << "the keyboard went elsewhere";
}

// The pointer comes to rest on the roll button of the inactive window; its hint shows.
TEST_F(Desktop, HintShowsUnderTheRealPointerOverAnInactiveWindow) {
  Scenario s;
  Open(s, "w6Select", "W6Form");
  Open(s, "W20Select", "W20Form")
      .Then([&] {
        const PixelRect client = s.surface().ClientArea(s.Handle("W6Form"));
        const PixelRect button = s.ControlRect("W6Form", "Click");
        X().MovePointer(client.x + button.x + 10, client.y + button.y + 10);
        X().MovePointer(client.x + button.x + 12, client.y + button.y + 12);
      })
      .ThenWaitFor([&] { return s.surface().ShownToolTip() == "... nun mach' schon  "; })
      .Then([&] {
        EXPECT_FALSE(s.surface().IsActive(s.Handle("W6Form")));
        s.Click("WStart", "W20End");
        s.Click("W6Form", "End");
        s.Click("W20Form", "End");
      });
  EXPECT_EQ(s.Run(), 0);
}

// What window switchers and window managers read: the information window belongs to the start
// window and is modal; the start window shows its own icon, and the information window, which
// stores none, the program's: the same.
TEST_F(Desktop, ServerKnowsOwnerModalityAndIcon) {
  Scenario s;
  XWindowId owner = 0, start = 0;
  std::vector<std::string> state;
  std::vector<std::uint32_t> icon, info_icon;
  Open(s, "InfoSelect", "InfoFR").Then([&] {
    owner = X().TransientFor(Id(s, "InfoFR"));
    start = Id(s, "WStart");
    state = X().NetWmState(Id(s, "InfoFR"));
    icon = X().NetWmIcon(start);
    info_icon = X().NetWmIcon(Id(s, "InfoFR"));
    s.Click("InfoFR", "OK");
  });
  s.Run();
  EXPECT_EQ(owner, start);
  EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_MODAL"), state.end());
  ASSERT_GE(icon.size(), 2u + 32 * 32);
  ASSERT_EQ(icon[0], 32u);
  ASSERT_EQ(icon[1], 32u);
  int mismatches = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const std::uint32_t expected =
          resources::testing::LetterColour(resources::kStartIconRows[y][x]) | 0xFF000000u;
      if (icon[2 + static_cast<size_t>(y * 32 + x)] != expected) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(info_icon, icon);
}

}  // namespace
}  // namespace tessel::testing
