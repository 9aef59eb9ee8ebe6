#pragma once

#include <QLabel>

namespace tessel::runtime::qt {

// A label whose first line sits where the other target puts it: its baseline at the face's
// Windows ascent below the top (see windows_line.h), which for some faces is several pixels
// lower than Qt's own. The text moves down by the difference; a box, where the label has one,
// stays on the label's edge, so the label draws it itself rather than as a frame (a frame follows
// the contents' margins).
class TextLabel : public QLabel {
 public:
  TextLabel(const QString& text, const QFont& font, bool boxed, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool boxed_;
};

}  // namespace tessel::runtime::qt
