#pragma once

#include <QColor>
#include <QFrame>

namespace tessel::runtime::qt {

// A container (a window's client area or a picture box) that paints its background colour
// itself instead of taking a palette. A palette of other colours than the application's, set on
// a container, hands every button in it a new palette of its own, and the style caches its
// button pixmaps per palette: each opening of the white information window added pixmaps to the
// application-wide cache that no later window could use again.
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
