#pragma once

#include <QPushButton>

namespace tessel::runtime::qt {

// A push button whose caption breaks into centred lines where it is wider than the runtime's
// wrap width.
class WrappingButton : public QPushButton {
 public:
  WrappingButton(const QString& caption, int wrap_width, QWidget* parent)
      : QPushButton(caption, parent), wrap_width_(wrap_width) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int wrap_width_;
};

}  // namespace tessel::runtime::qt
