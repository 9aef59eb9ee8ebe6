// Renders the program's windows as they stand on the screen into one PNG, for the docs.
//   snapshot OUT.png start|block|info
#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "program/project.h"
#include "runtime/core/application.h"
#include "runtime/core/start.h"
#include "tests/support/test_surface.h"

namespace {

using tessel::runtime::Application;
using tessel::runtime::PixelRect;
using tessel::runtime::TestSurface;

QImage ToQImage(const tessel::runtime::Screenshot& shot) {
  QImage image(shot.width, shot.height, QImage::Format_ARGB32);
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) image.setPixel(x, y, shot.At(x, y));
  }
  return image;
}

void Press(Application& app, TestSurface& surface, const char* window, const char* control) {
  tessel::runtime::Form* form = app.FindInstance(window);
  surface.Click(form->handle(), form->ControlId(control));
}

// Every loaded window at its place, on a plain desktop grey, cropped to their bounding box.
QImage Compose(Application& app, TestSurface& surface, const std::vector<const char*>& windows) {
  QRect bounds;
  for (const char* name : windows) {
    const PixelRect f = surface.WindowFrame(app.FindInstance(name)->handle());
    bounds |= QRect(f.x, f.y, f.width, f.height);
  }
  bounds.adjust(-8, -8, 8, 8);
  QImage canvas(bounds.size(), QImage::Format_ARGB32);
  canvas.fill(QColor(0x00, 0x80, 0x80));
  QPainter painter(&canvas);
  for (const char* name : windows) {
    const auto handle = app.FindInstance(name)->handle();
    const PixelRect f = surface.WindowFrame(handle);
    painter.drawImage(QPoint(f.x, f.y) - bounds.topLeft(), ToQImage(surface.Grab(handle)));
  }
  return canvas;
}

// Runs task after the event loop has gone round a few times, so that activation and painting
// have caught up with the clicks.
void AfterEventsSettle(TestSurface& surface, int rounds, std::function<void()> task) {
  if (rounds == 0) return task();
  surface.Post(
      [&surface, rounds, task = std::move(task)] { AfterEventsSettle(surface, rounds - 1, task); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: snapshot OUT.png start|block|info\n");
    return 2;
  }
  const std::string out = argv[1];
  const std::string mode = argv[2];
  const auto backend = tessel::runtime::CreatePlatformBackend();
  const auto surface = tessel::runtime::CreateTestSurface(*backend);
  Application app(tessel::app::TesselProject(), *backend);
  bool saved = false;
  surface->Post([&] {
    if (mode == "block") {
      Press(app, *surface, "WStart", "w6Select");
      Press(app, *surface, "WStart", "W20Select");
    }
    if (mode == "info") {
      // The modal window runs a loop of its own; take the picture from inside it.
      AfterEventsSettle(*surface, 3, [&] {
        saved = Compose(app, *surface, {"InfoFR"}).save(QString::fromStdString(out));
        backend->Quit(0);
      });
      Press(app, *surface, "WStart", "InfoSelect");
      return;
    }
    AfterEventsSettle(*surface, 3, [&] {
      std::vector<const char*> windows{"WStart"};
      if (mode == "block") windows = {"W6Form", "W20Form", "WStart"};
      saved = Compose(app, *surface, windows).save(QString::fromStdString(out));
      backend->Quit(0);
    });
  });
  app.Run();
  if (!saved) std::fprintf(stderr, "snapshot: could not write %s\n", out.c_str());
  return saved ? 0 : 1;
}
