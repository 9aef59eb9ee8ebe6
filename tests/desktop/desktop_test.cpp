// The program on an X desktop, with real input through the X server and what the server holds
// about the windows read back from it: run on a bare server and under window managers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "program/resources/picture_tables.h"
#include "tests/scenario/scenario.h"
#include "tests/support/print.h"
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

// A point of the title bar, clear of the close box: near its left end, or two thirds along.
void ClickTitleBar(Scenario& s, const char* window, bool further_right = false) {
  const PixelRect frame = s.Frame(window);
  X().Click(frame.x + (further_right ? frame.width * 2 / 3 : 30), frame.y + 10);
}

void ClickControl(Scenario& s, const char* window, const char* control) {
  const PixelRect client = s.surface().ClientArea(s.Handle(window));
  const PixelRect r = s.ControlRect(window, control);
  X().Click(client.x + r.x + r.width / 2, client.y + r.y + r.height / 2);
}

// The pointer comes to rest over the control, near its top left corner: two motions, since Qt
// drops a motion to where the pointer already is.
void RestPointerOn(Scenario& s, const char* window, const char* control) {
  const PixelRect client = s.surface().ClientArea(s.Handle(window));
  const PixelRect r = s.ControlRect(window, control);
  X().MovePointer(client.x + r.x + 10, client.y + r.y + 10);
  X().MovePointer(client.x + r.x + 12, client.y + r.y + 12);
}

// A real click on a start-window button that opens the window, and the wait until the window
// manager has made it the active window. The click comes once the start window has settled
// where the window manager keeps it, as every step does.
Scenario& Open(Scenario& s, const char* button, const char* window) {
  return s.Then([&s, button] { ClickControl(s, "WStart", button); }).ThenWaitForActive(window);
}

// How long a window manager may take to answer, on a machine busy with other work.
constexpr int kWindowManagerTimeoutMs = 20000;

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// Where the window stands on the screen as the X server has it, whoever put it there.
PixelRect Placed(Scenario& s, const char* window) {
  const XWindowInfo at = X().Placement(Id(s, window));
  return {at.x, at.y, at.width, at.height};
}

// The program's topmost window in the window manager's stacking.
std::string Topmost(Scenario& s) {
  const std::vector<XWindowId> order = X().StackingOrder();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    for (const char* window : {"WStart", "W6Form", "W20Form", "InfoFR"}) {
      if (s.Loaded(window) && *it == Id(s, window)) return window;
    }
  }
  return "";
}

// What of the mouse button the program has had since it was made: a press, a release.
class ButtonWatch : public QObject {
 public:
  ButtonWatch() { QCoreApplication::instance()->installEventFilter(this); }
  bool pressed() const { return pressed_; }
  bool released() const { return released_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    pressed_ = pressed_ || event->type() == QEvent::MouseButtonPress;
    released_ = released_ || event->type() == QEvent::MouseButtonRelease;
    return false;
  }

 private:
  bool pressed_ = false;
  bool released_ = false;
};

// A real drag of the window's title bar, held at `grip` from the window's corner, to the screen
// point `to` in a few steps, and the wait until the drag is over. The window manager gets the
// move only once the pointer has gone the drag distance with the button down, and starts its
// move from where the pointer is when it takes it over, as a hand holds still for that moment:
// so after the press and the first step, the pointer stays until, where a window manager runs,
// that one holds the pointer for the move, or else the window has followed by itself. A window
// manager that holds it then follows the next motion before the hand goes on: mutter asks
// whether the button is still down only after it has taken the pointer, and ends the move at
// once if it is not, which a hand letting go at machine speed can beat. Over: the window manager
// has taken the release and given the pointer back to the window, which it has moved under it;
// where the program moves the window itself, it has the release, after every motion before it.
// Where the window then stands, the next step reads once the window has settled. A window
// manager on a machine busy with other work may take seconds for each.
Scenario& DragTitleBar(Scenario& s, const char* window, ScreenPoint grip, ScreenPoint to) {
  struct Drag {
    PixelRect start;
    PixelRect handed_over;  // where the window stood once the move was under way
    ScreenPoint from;
    std::unique_ptr<ButtonWatch> buttons;
    bool taken = false;     // by the window manager
    bool followed = false;  // the next motion, where the window manager took it
    bool over = false;
  };
  constexpr int kSteps = 8;
  auto drag = std::make_shared<Drag>();
  const bool managed = !X().WindowManager().empty();
  const auto step = [drag, to](int n) {
    X().MovePointer(drag->from.x + (to.x - drag->from.x) * n / kSteps,
                    drag->from.y + (to.y - drag->from.y) * n / kSteps);
  };
  return s
      .Then([&s, window, grip, drag] {
        drag->start = Placed(s, window);
        drag->from = {drag->start.x + grip.x, drag->start.y + grip.y};
        drag->buttons = std::make_unique<ButtonWatch>();
        X().PointerTakenFrom(Id(s, window));
        X().PressButton(drag->from.x, drag->from.y);
      })
      .ThenWaitFor([drag] { return drag->buttons->pressed(); }, kWindowManagerTimeoutMs)
      .Then([step] { step(1); })
      .ThenWaitFor(
          [&s, window, managed, drag] {
            drag->taken = managed && X().PointerTakenFrom(Id(s, window));
            drag->handed_over = Placed(s, window);
            return drag->taken || (!managed && (drag->handed_over.x != drag->start.x ||
                                                drag->handed_over.y != drag->start.y));
          },
          kWindowManagerTimeoutMs)
      .Then([&s, window, to, drag, step] {
        for (int n = 2; n < kSteps; ++n) {
          step(n);
          if (n == 2 && drag->taken) {
            drag->followed = X().AwaitMoveFrom(Id(s, window), drag->handed_over.x,
                                               drag->handed_over.y, kWindowManagerTimeoutMs);
          }
        }
        X().ReleaseButton(to.x, to.y);
      })
      .ThenWaitFor(
          [&s, window, drag] {
            const bool over =
                drag->taken ? !X().PointerTakenFrom(Id(s, window)) : drag->buttons->released();
            return drag->over = over && !X().PointerGrabbed();
          },
          kWindowManagerTimeoutMs)
      .Then([&s, window, to, drag] {
        drag->buttons.reset();
        if (drag->over) return;
        ADD_FAILURE() << "the drag to " << to.x << "," << to.y << " left " << window << " at "
                      << Placed(s, window) << ", the pointer "
                      << (X().PointerGrabbed() ? "still grabbed" : "not grabbed")
                      << (drag->taken ? " after the window manager took it" : "")
                      << (drag->taken && !drag->followed ? ", the window not following" : "");
      });
}

// The window manager kept a die window dragged past the screen's corner where it allowed; a
// second drag by the same point of the title bar then keeps the window under the pointer at
// that point, from where the window really stands. The release went to the window manager, not
// to the program: the pointer resting on the roll button afterwards still shows its hint.
TEST_F(Desktop, ASecondDragAfterTheScreensCornerKeepsTheGrip) {
  Scenario s;
  const ScreenPoint grip{30, 10};
  PixelRect after_first, after_second;
  Open(s, "w6Select", "W6Form");
  DragTitleBar(s, "W6Form", grip, {1020, 760}).Then([&] { after_first = Placed(s, "W6Form"); });
  DragTitleBar(s, "W6Form", grip, {600, 400})
      .Then([&] {
        after_second = Placed(s, "W6Form");
        RestPointerOn(s, "W6Form", "Click");
      })
      .ThenWaitFor([&] { return s.surface().ShownToolTip() == "... nun mach' schon  "; })
      .Then([&] {
        s.Click("W6Form", "End");
        s.Click("WStart", "W20End");
      });
  EXPECT_EQ(s.Run(), 0);
  RecordProperty("after_first_drag", ::testing::PrintToString(after_first));
  EXPECT_GT(after_first.x, 193) << "the first drag did not move the window";
  EXPECT_NEAR(after_second.x, 600 - grip.x, 2) << after_second;
  EXPECT_NEAR(after_second.y, 400 - grip.y, 2) << after_second;
}

// A click raises the window above the program's others in the window manager's stacking, on
// its title bar or on its client area. The die windows are laid over each other first, so that
// the order shows.
TEST_F(Desktop, AClickRaisesTheWindow) {
  if (X().WindowManager().empty()) GTEST_SKIP() << "without a window manager, nothing raises";
  Scenario s;
  std::vector<std::string> on_top;
  Open(s, "w6Select", "W6Form");
  Open(s, "W20Select", "W20Form");
  DragTitleBar(s, "W20Form", {30, 10}, {367 + 30 - 80, 133 + 10 + 60});
  const std::vector<std::pair<const char*, std::function<void()>>> clicks = {
      {"W6Form", [&s] { ClickControl(s, "W6Form", "W6Print"); }},
      {"W20Form", [&s] { ClickTitleBar(s, "W20Form", true); }},
      {"W6Form", [&s] { ClickTitleBar(s, "W6Form"); }},
      {"W20Form", [&s] { ClickControl(s, "W20Form", "Image1"); }},
      {"WStart", [&s] { ClickTitleBar(s, "WStart"); }},
  };
  // What the program does with a press (asking for the window to be activated) reaches the
  // window manager after it: on a busy machine, after the next click, unless that waits for it.
  auto buttons = std::make_shared<std::unique_ptr<ButtonWatch>>();
  for (const auto& [window, click] : clicks) {
    s.Then([buttons, click = click] {
       *buttons = std::make_unique<ButtonWatch>();
       click();
     })
        .ThenWaitFor([buttons] { return (*buttons)->pressed() && !X().PointerGrabbed(); })
        .ThenWaitFor([&s, window = window] { return Topmost(s) == window; },
                     kWindowManagerTimeoutMs)
        .Then([&] { on_top.push_back(Topmost(s)); });
  }
  s.Then([&] {
    buttons->reset();
    s.Click("W6Form", "End");
    s.Click("W20Form", "End");
    s.Click("WStart", "W20End");
  });
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(on_top, (std::vector<std::string>{"W6Form", "W20Form", "W6Form", "W20Form", "WStart"}));
}

// How a user closes a window on a desktop: the window manager's close button or the task bar's
// close, which send WM_DELETE_WINDOW, or Alt+F4 on the keyboard, which goes to the active window
// (through the window manager where one takes the keys, through the window itself where none
// does). Each unloads the window as its own close box does.
struct CloseWay {
  const char* name;
  Scenario& (*close)(Scenario& s, const char* window);
};

Scenario& SendDeleteWindow(Scenario& s, const char* window) {
  return s.Then([&s, window] { X().SendDeleteWindow(Id(s, window)); });
}

Scenario& PressAltF4(Scenario& s, const char* window) {
  return s.Then([&s, window] { ClickTitleBar(s, window); }).ThenWaitForActive(window).Then([] {
    X().PressKeys({"Alt_L", "F4"});
  });
}

class DesktopClose : public Desktop, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(DesktopClose, UnloadsEachWindowAsItsCloseBoxDoes) {
  Scenario s;
  bool start_takes_input = false;
  const auto close = [&s](const char* window) {
    GetParam().close(s, window).ThenWaitFor([&s, window] { return !s.Loaded(window); });
  };
  Open(s, "w6Select", "W6Form");
  Open(s, "W20Select", "W20Form");
  close("W6Form");
  s.Then([&] { EXPECT_TRUE(s.Loaded("W20Form")); });
  close("W20Form");
  Open(s, "InfoSelect", "InfoFR");
  close("InfoFR");
  s.Then([&] { start_takes_input = s.surface().IsEnabled(s.Handle("WStart")); });
  close("WStart");
  EXPECT_EQ(s.Run(), 0);
  EXPECT_TRUE(start_takes_input);
}

INSTANTIATE_TEST_SUITE_P(Ways, DesktopClose,
                         ::testing::Values(CloseWay{"DeleteRequest", SendDeleteWindow},
                                           CloseWay{"AltF4", PressAltF4}),
                         [](const ::testing::TestParamInfo<CloseWay>& way) {
                           return std::string(way.param.name);
                         });

// Real clicks on every other window, title bars and client areas, change nothing: the
// information window stays the window manager's active window with the keyboard all the while
// after each click, and comes back on top (some window managers raise what was clicked for a
// moment, however long the machine makes that moment), so that Return presses its OK.
TEST_F(Desktop, ModalWindowStaysInFrontWithTheKeyboard) {
  Scenario s;
  std::string faces_before, faces_during;
  std::set<std::string> lapses;
  const auto faces = [&] {
    return s.Caption("W6Form", "W6Print") + "/" + s.Caption("W20Form", "W20Print");
  };
  Open(s, "w6Select", "W6Form");
  Open(s, "W20Select", "W20Form").Then([&] { faces_before = faces(); });
  Open(s, "InfoSelect", "InfoFR");
  const std::vector<std::pair<std::string, std::function<void()>>> clicks = {
      {"start window's title bar", [&s] { ClickTitleBar(s, "WStart"); }},
      {"six-sided window's title bar", [&s] { ClickTitleBar(s, "W6Form"); }},
      {"twenty-sided window's title bar", [&s] { ClickTitleBar(s, "W20Form"); }},
      {"roll button", [&s] { ClickControl(s, "W6Form", "Click"); }},
      {"other roll button", [&s] { ClickControl(s, "W20Form", "Click"); }},
      {"result", [&s] { ClickControl(s, "W6Form", "W6Print"); }},
      {"start window's button", [&s] { ClickControl(s, "WStart", "W20Select"); }},
  };
  for (const auto& [name, click] : clicks) {
    s.Then(click);
    const std::string after = "after a click on the " + name + ": ";
    s.ThenWatch(std::chrono::milliseconds(400), [&s, &lapses, after] {
      const XWindowId about = Id(s, "InfoFR");
      if (X().ActiveWindow() != about) lapses.insert(after + "not active");
      if (X().KeyboardFocus() != about) lapses.insert(after + "no keyboard");
    });
    s.ThenWaitFor([&s] { return Topmost(s) == "InfoFR"; }).Then([&s, &lapses, after] {
      if (const std::string top = Topmost(s); top != "InfoFR")
        lapses.insert(after + top + " on top");
    });
  }
  s.Then([&] {
    faces_during = faces();
    X().PressKeys({"Return"});
  });
  s.ThenWaitFor([&] { return !s.Loaded("InfoFR"); }).Then([&] {
    s.Click("W6Form", "End");
    s.Click("W20Form", "End");
    s.Click("WStart", "W20End");
  });
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(faces_during, faces_before);
  EXPECT_EQ(lapses, std::set<std::string>{});
}

// The pointer comes to rest on the roll button of the inactive window; its hint shows.
TEST_F(Desktop, HintShowsUnderTheRealPointerOverAnInactiveWindow) {
  Scenario s;
  Open(s, "w6Select", "W6Form");
  Open(s, "W20Select", "W20Form")
      .Then([&] { RestPointerOn(s, "W6Form", "Click"); })
      .ThenWaitFor([&] { return s.surface().ShownToolTip() == "... nun mach' schon  "; })
      .Then([&] {
        EXPECT_FALSE(s.Active("W6Form"));
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
      const std::uint32_t expected = LetterColour(resources::kStartIconRows[y][x]) | 0xFF000000u;
      if (icon[2 + static_cast<size_t>(y * 32 + x)] != expected) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(info_icon, icon);
}

// The self-drawn frames in the colours of the desktop's palette: Qt's own palette keeps the
// classic grey and blue, a dark one gives dark frames at once, on the active information window
// and on the start window waiting behind it alike. Edges half-way down the left and right side,
// the title bar's left end, and somewhere in it the caption's text.
struct FrameScheme {
  const char* name;
  std::function<QPalette()> palette;  // none: the palette as the program starts with it
  std::uint32_t face, light, shadow, dark_shadow;
  std::uint32_t active_caption, active_text, inactive_caption, inactive_text;
};

class Frames : public ::testing::TestWithParam<FrameScheme> {};

QPalette DarkPalette() {
  QPalette p = QApplication::palette();
  p.setColor(QPalette::Button, QColor(0x303030));
  p.setColor(QPalette::Light, QColor(0x505050));
  p.setColor(QPalette::Dark, QColor(0x202020));
  p.setColor(QPalette::Mid, QColor(0x282828));
  p.setColor(QPalette::Shadow, QColor(0x101010));
  p.setColor(QPalette::Highlight, QColor(0x2050A0));
  p.setColor(QPalette::HighlightedText, QColor(0xF0F0F0));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xA09080));
  return p;
}

std::vector<std::string> FrameFaults(const Screenshot& shot, const FrameScheme& scheme,
                                     bool active) {
  std::vector<std::string> faults;
  const auto expect = [&](const char* what, int x, int y, std::uint32_t rgb) {
    if ((shot.At(x, y) & 0xFFFFFF) != rgb) faults.emplace_back(what);
  };
  const int middle = shot.height / 2;
  expect("face", 0, middle, scheme.face);
  expect("light edge", 1, middle, scheme.light);
  expect("dark edge", shot.width - 1, middle, scheme.dark_shadow);
  expect("shadow", shot.width - 2, middle, scheme.shadow);
  expect("title bar", 3, 3, active ? scheme.active_caption : scheme.inactive_caption);
  bool text = false;
  const std::uint32_t text_rgb = active ? scheme.active_text : scheme.inactive_text;
  for (int y = 3; y < 19; ++y) {
    for (int x = 3; x < shot.width / 2; ++x) text = text || (shot.At(x, y) & 0xFFFFFF) == text_rgb;
  }
  if (!text) faults.emplace_back("caption text");
  return faults;
}

TEST_P(Frames, FollowThePalette) {
  const FrameScheme& scheme = GetParam();
  Scenario s;
  const QPalette before = QApplication::palette();
  std::vector<std::string> info_faults, start_faults;
  Open(s, "InfoSelect", "InfoFR").Then([&] {
    if (scheme.palette) QApplication::setPalette(scheme.palette());
  });
  s.Then([&] {
    info_faults = FrameFaults(s.surface().Grab(s.Handle("InfoFR")), scheme, true);
    start_faults = FrameFaults(s.surface().Grab(s.Handle("WStart")), scheme, false);
    QApplication::setPalette(before);
    s.Click("InfoFR", "OK");
  });
  s.Then([&] { s.Click("WStart", "W20End"); });
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(info_faults, std::vector<std::string>{});
  EXPECT_EQ(start_faults, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, Frames,
    ::testing::Values(FrameScheme{"QtsOwn", nullptr, 0xC0C0C0, 0xFFFFFF, 0x808080, 0x000000,
                                  0x000080, 0xFFFFFF, 0x808080, 0xC0C0C0},
                      FrameScheme{"Dark", DarkPalette, 0x303030, 0x505050, 0x202020, 0x101010,
                                  0x2050A0, 0xF0F0F0, 0x202020, 0xA09080}),
    [](const ::testing::TestParamInfo<FrameScheme>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tessel::testing
