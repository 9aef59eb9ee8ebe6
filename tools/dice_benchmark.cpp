// Prints how fast the dice go: rolls per second through the real roll (re-seed, draw, face,
// text), and clicks per second through the real click path on the window system (a press of
// "Klick mich!" to the window rendered again with the new face).
#include <QImage>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>

#include "program/dice/roll.h"
#include "program/project.h"
#include "runtime/core/application.h"
#include "runtime/core/services.h"
#include "runtime/core/start.h"
#include "runtime/qt/qt_backend.h"

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

// A press of a window's button as the mouse gives it, through the toolkit's own test input.
void Click(tessel::runtime::qt::QtBackend& backend, tessel::runtime::Form& form,
           const char* control) {
  QTest::mouseClick(backend.Control(form.handle(), form.ControlId(control)), Qt::LeftButton);
}

void BenchmarkClicks() {
  const auto platform_backend = tessel::runtime::CreatePlatformBackend();
  auto& backend = static_cast<tessel::runtime::qt::QtBackend&>(*platform_backend);
  tessel::runtime::Application app(tessel::app::TesselProject(), backend);
  QTimer::singleShot(0, [&] {
    Click(backend, *app.FindInstance("WStart"), "w6Select");
    tessel::runtime::Form& w6 = *app.FindInstance("W6Form");
    constexpr int kClicks = 2000;
    std::size_t pixels = 0;
    const Clock::time_point begin = Clock::now();
    for (int i = 0; i < kClicks; ++i) {
      Click(backend, w6, "Click");
      const QImage shot =
          backend.Widget(w6.handle())->grab().toImage().convertToFormat(QImage::Format_ARGB32);
      pixels += static_cast<std::size_t>(shot.width() * shot.height());
    }
    const double seconds = Seconds(begin);
    std::printf("click d6   %9.0f clicks/s  (%d clicks in %.3f s, %zu pixels rendered)\n",
                kClicks / seconds, kClicks, seconds, pixels);
    backend.Quit(0);
  });
  app.Run();
}

}  // namespace

int main() {
  BenchmarkRolls();
  BenchmarkClicks();
}
