#include "runtime/qt/text_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "runtime/qt/windows_line.h"

namespace tessel::runtime::qt {

TextLabel::TextLabel(const QString& text, const QFont& font, bool boxed, QWidget* parent)
    : QLabel(text, parent), boxed_(boxed) {
  setFont(font);
  setTextFormat(Qt::PlainText);
  const int drop = std::max(0, WindowsLineOf(font).ascent - QFontMetrics(font).ascent());
  const int box = boxed ? 1 : 0;
  setContentsMargins(box, box + drop, box, box);
}

void TextLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!boxed_) return;
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tessel::runtime::qt
