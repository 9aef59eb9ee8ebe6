#include "runtime/qt/text_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "runtime/qt/windows_line.h"

namespace tessel::runtime::qt {

TextLabel::TextLabel(const QString& text, const QFont& font, int edge, QWidget* parent)
    : QLabel(text, parent), edge_(edge) {
  setFont(font);
  setTextFormat(Qt::PlainText);
  const int drop = std::max(0, WindowsLineOf(font).ascent - QFontMetrics(font).ascent());
  setContentsMargins(edge, edge + drop, edge, edge);
}

void TextLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (edge_ == 0) return;
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  for (int line = 0; line < edge_; ++line) {
    painter.drawRect(rect().adjusted(line, line, -1 - line, -1 - line));
  }
}

}  // namespace tessel::runtime::qt
