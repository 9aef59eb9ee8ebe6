// Prints how fast the dice go: rolls per second through the real roll (re-seed, draw, face,
// text), and clicks per second through the real click path on the window system (a press of
// "Klick mich!" to the window rendered again with the new face).
#include <chrono>
#include <cstdio>
#include <string>

#include "program/dice/roll.h"
#include "program/project.h"
#include "runtime/core/application.h"
#include "runtime/core/services.h"
#include "runtime/core/start.h"
#include "tests/support/test_surface.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

void BenchmarkRolls() {
  for (const float sides : {6.0f, 20.0f}) {
    constexpr int kRolls = 1000000;
    std::size_t text_length = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kRolls; ++i) {
      text_length += tessel::runtime::ValueToText(tessel::dice::ThrowDie(sides)).size();
    }
    const double seconds = Seconds(start);
    std::printf("roll d%-2.0f  %9.0f rolls/s   (%d rolls in %.3f s, %zu characters)\n", sides,
                kRolls / seconds, kRolls, seconds, text_length);
  }
}

void BenchmarkClicks() {
  const auto backend = tessel::runtime::CreatePlatformBackend();
  const auto test_surface = tessel::runtime::CreateTestSurface(*backend);
  tessel::runtime::TestSurface& surface = *test_surface;
  tessel::runtime::Application app(tessel::app::TesselProject(), *backend);
  surface.Post([&] {
    tessel::runtime::Form* start = app.FindInstance("WStart");
    surface.Click(start->handle(), start->ControlId("w6Select"));
    tessel::runtime::Form* w6 = app.FindInstance("W6Form");
    const int button = w6->ControlId("Click");
    constexpr int kClicks = 2000;
    std::size_t pixels = 0;
    const Clock::time_point begin = Clock::now();
    for (int i = 0; i < kClicks; ++i) {
      surface.Click(w6->handle(), button);
      pixels += surface.Grab(w6->handle()).pixels.size();
    }
    const double seconds = Seconds(begin);
    std::printf("click d6   %9.0f clicks/s  (%d clicks in %.3f s, %zu pixels rendered)\n",
                kClicks / seconds, kClicks, seconds, pixels);
    backend->Quit(0);
  });
  app.Run();
}

}  // namespace

int main() {
  BenchmarkRolls();
  BenchmarkClicks();
}
