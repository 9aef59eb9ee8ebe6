// Renders the program's windows as they stand on the screen into one PNG, for the docs.
//   snapshot OUT.png start|block|info
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "program/project.h"
#include "runtime/core/application.h"
#include "runtime/core/start.h"
#include "runtime/qt/qt_backend.h"

namespace {

using tessel::runtime::Application;
using tessel::runtime::qt::QtBackend;

QWidget* Window(Application& app, QtBackend& backend, const char* name) {
  return backend.Widget(app.FindInstance(name)->handle());
}

// A press of the button as the mouse gives it, through the toolkit's own test input.
void Press(Application& app, QtBackend& backend, const char* window, const char* control) {
  tessel::runtime::Form* form = app.FindInstance(window);
  QTest::mouseClick(backend.Control(form->handle(), form->ControlId(control)), Qt::LeftButton);
}

// Every loaded window at its place, on a plain desktop grey, cropped to their bounding box.
QImage Compose(Application& app, QtBackend& backend, const std::vector<const char*>& windows) {
  QRect bounds;
  for (const char* name : windows) bounds |= Window(app, backend, name)->geometry();
  bounds.adjust(-8, -8, 8, 8);
  QImage canvas(bounds.size(), QImage::Format_ARGB32);
  canvas.fill(QColor(0x00, 0x80, 0x80));
  QPainter painter(&canvas);
  for (const char* name : windows) {
    QWidget* window = Window(app, backend, name);
    painter.drawImage(window->pos() - bounds.topLeft(),
                      window->grab().toImage().convertToFormat(QImage::Format_ARGB32));
  }
  return canvas;
}

// Runs task after the event loop has gone round a few times, so that activation and painting
// have caught up with the clicks.
void AfterEventsSettle(int rounds, std::function<void()> task) {
  if (rounds == 0) return task();
  QTimer::singleShot(0, [rounds, task = std::move(task)] { AfterEventsSettle(rounds - 1, task); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: snapshot OUT.png start|block|info\n");
    return 2;
  }
  const std::string out = argv[1];
  const std::string mode = argv[2];
  const auto platform_backend = tessel::runtime::CreatePlatformBackend();
  auto& backend = static_cast<QtBackend&>(*platform_backend);
  Application app(tessel::app::TesselProject(), backend);
  bool saved = false;
  const auto save = [&](const std::vector<const char*>& windows) {
    saved = Compose(app, backend, windows).save(QString::fromStdString(out));
    backend.Quit(0);
  };
  QTimer::singleShot(0, [&] {
    if (mode == "block") {
      Press(app, backend, "WStart", "w6Select");
      Press(app, backend, "WStart", "W20Select");
    }
    if (mode == "info") {
      // The modal window runs a loop of its own; take the picture from inside it.
      AfterEventsSettle(3, [&] { save({"InfoFR"}); });
      Press(app, backend, "WStart", "InfoSelect");
      return;
    }
    AfterEventsSettle(3, [&] {
      save(mode == "block" ? std::vector<const char*>{"W6Form", "W20Form", "WStart"}
                           : std::vector<const char*>{"WStart"});
    });
  });
  app.Run();
  if (!saved) std::fprintf(stderr, "snapshot: could not write %s\n", out.c_str());
  return saved ? 0 : 1;
}
