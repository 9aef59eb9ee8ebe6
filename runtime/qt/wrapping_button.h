#pragma once

#include <QPushButton>

namespace tessel::runtime::qt {

// A push button whose caption breaks into centred lines where it is wider than the button.
class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessel::runtime::qt
