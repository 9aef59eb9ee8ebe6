#include "runtime/qt/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tessel::runtime::qt {

void WrappingButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (isDown()) area.translate(1, 1);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  const bool wraps = fontMetrics().horizontalAdvance(caption) > wrap_width_;
  painter.drawText(area, Qt::AlignCenter | (wraps ? Qt::TextWordWrap : Qt::TextSingleLine),
                   caption);
}

}  // namespace tessel::runtime::qt
