#pragma once

#include <QColor>
#include <QFrame>

namespace tessel::runtime::qt {

// A container (a window's client area or a picture box) that paints its background colour
// itself instead of taking a palette. A palette set on a container is handed down to every
// button in it as a palette of its own, and the style caches its button pixmaps per palette:
// each opening of a window would add pixmaps to the application-wide cache that no later
// window can use again, until the cache holds its full limit of them.
class Surface : public QFrame {
 public:
  using QFrame::QFrame;

  void SetBackground(QColor colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;  // invalid: the parent shows through
};

}  // namespace tessel::runtime::qt
