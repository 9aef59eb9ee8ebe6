#pragma once

#include <QLabel>

namespace tessel::runtime::qt {

// A label whose first line sits where the other target puts it: its baseline at the face's
// Windows ascent below the top (see windows_line.h), which for some faces is several pixels
// lower than Qt's own. The text moves down by the difference; a frame of `edge` lines, where the
// label has one, stays on the label's edge, so the label draws it itself rather than as a
// QFrame's (which follows the contents' margins).
class TextLabel : public QLabel {
 public:
  TextLabel(const QString& text, const QFont& font, int edge, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int edge_;
};

}  // namespace tessel::runtime::qt
