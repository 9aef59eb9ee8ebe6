// What the window system asks of the program's windows, on every backend: a close request is
// the window's close box, a modal window keeps the keyboard while the others keep their look,
// and hints show over inactive windows too.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/services.h"
#include "tests/scenario/scenario.h"
#include "tests/support/print.h"

namespace tessel::testing {
namespace {

using runtime::ScopedRandomValue;

enum class CloseWay { kWindowManager, kAltF4 };

std::string WayName(const ::testing::TestParamInfo<CloseWay>& info) {
  return info.param == CloseWay::kWindowManager ? "WindowManager" : "AltF4";
}

class CloseRequest : public ::testing::TestWithParam<CloseWay> {
 protected:
  void Close(Scenario& s, const char* window) {
    if (GetParam() == CloseWay::kWindowManager) {
      s.surface().RequestClose(s.Handle(window));
    } else {
      s.Press(window, Key::kAltF4);
    }
  }
};

// The window goes as by its close box; opened again, it loads afresh at its place and rolls.
TEST_P(CloseRequest, OnADieWindowUnloadsItForAFreshLoad) {
  Scenario s;
  std::string face_after_reopening;
  PixelRect frame_after_reopening;
  s.Then([&] {
     ScopedRandomValue r(0.0f);
     s.Click("WStart", "W20Select");
   })
      .Then([&] { s.surface().DragTitleBar(s.Handle("W20Form"), 40, 30); })
      .Then([&] { Close(s, "W20Form"); })
      .ThenWaitFor([&] { return !s.Loaded("W20Form"); })
      .Then([&] {
        EXPECT_TRUE(s.Loaded("WStart"));
        ScopedRandomValue r(0.999f);
        s.Click("WStart", "W20Select");
      })
      .Then([&] {
        face_after_reopening = s.Caption("W20Form", "W20Print");
        frame_after_reopening = s.Frame("W20Form");
        s.Click("W20Form", "End");
        s.Click("WStart", "W20End");
      });
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(face_after_reopening, "20");
  EXPECT_EQ(frame_after_reopening, (PixelRect{367, 133, 230, 182}));
}

// The modal Show returns: the start window takes input again and opens the die window.
TEST_P(CloseRequest, OnTheInformationWindowEndsTheModalPhase) {
  Scenario s;
  s.Then([&] { s.Click("WStart", "InfoSelect"); })
      .Then([&] { Close(s, "InfoFR"); })
      .ThenWaitFor([&] { return !s.Loaded("InfoFR"); })
      .Then([&] {
        EXPECT_TRUE(s.surface().IsEnabled(s.Handle("WStart")));
        s.Click("WStart", "w6Select");
      })
      .Then([&] {
        EXPECT_TRUE(s.Loaded("W6Form"));
        Close(s, "W6Form");
      })
      .ThenWaitFor([&] { return !s.Loaded("W6Form"); })
      .Then([&] { Close(s, "WStart"); })
      .ThenWaitFor([&] { return !s.Loaded("WStart"); });
  EXPECT_EQ(s.Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseRequest,
                         ::testing::Values(CloseWay::kWindowManager, CloseWay::kAltF4), WayName);

// While the information window is open, the others refuse a close request as they refuse a click.
TEST(ModalPhase, OtherWindowsRefuseCloseRequests) {
  Scenario s;
  bool all_loaded = false;
  s.Then([&] { s.Click("WStart", "w6Select"); })
      .Then([&] { s.Click("WStart", "InfoSelect"); })
      .Then([&] {
        s.surface().RequestClose(s.Handle("WStart"));
        s.surface().RequestClose(s.Handle("W6Form"));
      })
      .Then([&] {
        all_loaded = s.Loaded("WStart") && s.Loaded("W6Form") && s.Loaded("InfoFR");
        s.Click("InfoFR", "OK");
      });
  s.Run();
  EXPECT_TRUE(all_loaded);
}

// Clicks on every other window leave the information window active with the keyboard, so that
// Return still presses OK.
TEST(ModalPhase, KeepsTheKeyboardWhateverElseIsClicked) {
  Scenario s;
  bool active_after_clicks = false;
  s.Then([&] { s.OpenBothDice(); })
      .Then([&] { s.Click("WStart", "InfoSelect"); })
      .ThenWaitForActive("InfoFR")
      .Then([&] {
        for (const char* window : {"WStart", "W6Form", "W20Form"}) {
          s.surface().DragTitleBar(s.Handle(window), 5, 5);
        }
        s.Click("W6Form", "W6Print");
        s.Click("W20Form", "End");
        s.Click("WStart", "W20Select");
      })
      .Then([&] {
        active_after_clicks = s.Active("InfoFR");
        s.Press("InfoFR", Key::kEnter);
      })
      .Then([&] {
        EXPECT_FALSE(s.Loaded("InfoFR"));
        EXPECT_TRUE(s.Loaded("W20Form"));
      });
  s.Run();
  EXPECT_TRUE(active_after_clicks);
}

// Where two shots of a window differ: exactly nowhere, but inside the result label, whose large
// digits Qt's glyph rasteriser draws with edges a few levels apart depending on which other size
// of the same face it drew last. Greyed text, crosses or strips differ by 30 levels and more.
::testing::AssertionResult LookAlike(Scenario& s, const char* window, const Screenshot& a,
                                     const Screenshot& b) {
  if (a.pixels.empty() || a.width != b.width || a.height != b.height) {
    return ::testing::AssertionFailure() << window << ": nothing shot, or in other sizes";
  }
  PixelRect digits{};
  if (std::string_view(window) != "WStart") {
    const PixelRect client = s.surface().ClientArea(s.Handle(window));
    const PixelRect frame = s.Frame(window);
    digits = s.ControlRect(window, std::string_view(window) == "W6Form" ? "W6Print" : "W20Print");
    digits.x += client.x - frame.x;
    digits.y += client.y - frame.y;
  }
  constexpr int kGlyphEdgeNoise = 16;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      const bool in_digits = x >= digits.x && x < digits.x + digits.width && y >= digits.y &&
                             y < digits.y + digits.height;
      const int allowed = in_digits ? kGlyphEdgeNoise : 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const int difference = std::abs(static_cast<int>((a.At(x, y) >> shift) & 0xFF) -
                                        static_cast<int>((b.At(x, y) >> shift) & 0xFF));
        if (difference > allowed) {
          return ::testing::AssertionFailure() << window << ": pixel (" << x << ", " << y
                                               << ") differs by " << difference << " levels";
        }
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// A window waiting behind the modal window refuses input but looks exactly as before, frame
// included. Each window is shot while another one is active, before and during the modal phase.
TEST(ModalPhase, BlockedWindowsKeepTheirLook) {
  Scenario s;
  std::map<std::string, Screenshot> before, during;
  const auto shoot = [&](auto& into, const char* window) {
    into[window] = s.surface().Grab(s.Handle(window));
  };
  s.Then([&] {
     ScopedRandomValue r(0.5f);
     s.Click("WStart", "W20Select");
     s.Click("WStart", "w6Select");
   })
      .ThenWaitForActive("W6Form")
      .Then([&] {
        shoot(before, "WStart");
        shoot(before, "W20Form");
        s.Click("WStart", "W20Select");  // in front again, and active
      })
      .ThenWaitForActive("W20Form")
      .Then([&] {
        shoot(before, "W6Form");
        s.Click("WStart", "InfoSelect");
      })
      .ThenWaitForActive("InfoFR")
      .Then([&] {
        for (const char* window : {"WStart", "W6Form", "W20Form"}) shoot(during, window);
        s.Click("InfoFR", "OK");
      });
  s.Run();
  for (const char* window : {"WStart", "W6Form", "W20Form"}) {
    EXPECT_TRUE(LookAlike(s, window, before[window], during[window]));
  }
}

// The roll button's hint shows over the six-sided die window while the other one is active; a
// window that waits behind the modal window shows none of its own. A hint that must not come is
// the one thing awaited for a time: as long as hints take to come (Qt's 0.7 s, Windows' 0.5 s)
// and more, watched all along. A busy machine can only make that miss a fault, never invent one.
TEST(Hints, ShowOverInactiveWindowsButNotOverBlockedOnes) {
  constexpr char kBlockedHint[] = "  Ahem,  ist zum BEENDEN gedacht, steht doch da ... ";
  Scenario s;
  bool w6_inactive = false;
  bool blocked_hint_shown = false, watched = false;
  s.Then([&] { s.OpenBothDice(); })
      .ThenWaitForActive("W20Form")
      .Then([&] {
        w6_inactive = !s.Active("W6Form");
        s.surface().Hover(s.Handle("W6Form"), s.Id("W6Form", "Click"));
      })
      .ThenWaitFor([&] { return s.surface().ShownToolTip() == "... nun mach' schon  "; })
      .Then([&] { s.Click("WStart", "InfoSelect"); })
      .ThenWaitForActive("InfoFR")
      .Then([&] { s.surface().Hover(s.Handle("W20Form"), s.Id("W20Form", "End")); })
      .ThenWatch(std::chrono::seconds(2),
                 [&] {
                   blocked_hint_shown =
                       blocked_hint_shown || s.surface().ShownToolTip() == kBlockedHint;
                 })
      .Then([&] {
        watched = true;
        s.Click("InfoFR", "OK");
      });
  s.Run();
  EXPECT_TRUE(w6_inactive);
  EXPECT_TRUE(watched);
  EXPECT_FALSE(blocked_hint_shown);
}

}  // namespace
}  // namespace tessel::testing
