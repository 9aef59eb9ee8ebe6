#include "runtime/qt/surface.h"

#include <QPainter>

namespace tessel::runtime::qt {

void Surface::SetBackground(QColor colour) {
  background_ = colour;
  update();
}

void Surface::paintEvent(QPaintEvent* event) {
  if (background_.isValid()) QPainter(this).fillRect(rect(), background_);
  QFrame::paintEvent(event);
}

}  // namespace tessel::runtime::qt
