// The six-sided, the twenty-sided and the information window opened and closed a thousand
// times, as a user would with the mouse, and the program ended through "Beenden". Built with
// the sanitizers, LeakSanitizer then checks at exit that nothing the windows took was lost.
#include <gtest/gtest.h>

#include "tests/scenario/scenario.h"

namespace tessel::testing {
namespace {

constexpr int kCycles = 1000;

TEST(WindowCycles, AThousandOpeningsOfEveryWindowEndThroughBeenden) {
  Scenario s;
  int completed = 0;
  bool cycle_ok = true;  // every step of this cycle found what the step before it left
  const auto expect = [&](bool condition) { cycle_ok = cycle_ok && condition; };
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    s.Then([&] { s.Click("WStart", "w6Select"); })
        .Then([&] {
          expect(s.Loaded("W6Form"));
          s.Click("W6Form", "End");
        })
        .Then([&] {
          expect(!s.Loaded("W6Form"));
          s.Click("WStart", "W20Select");
        })
        .Then([&] {
          expect(s.Loaded("W20Form"));
          s.Click("W20Form", "End");
        })
        .Then([&] {
          expect(!s.Loaded("W20Form"));
          s.Click("WStart", "InfoSelect");
        })
        .Then([&] {  // inside the information window's modal loop
          expect(s.Loaded("InfoFR"));
          s.Click("InfoFR", "OK");
        })
        .Then([&] {
          expect(!s.Loaded("InfoFR"));
          if (cycle_ok) ++completed;
          cycle_ok = true;
        });
  }
  s.Then([&] { s.Click("WStart", "W20End"); });
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(completed, kCycles);
}

}  // namespace
}  // namespace tessel::testing
