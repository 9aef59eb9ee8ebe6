#pragma once

#include <QPushButton>

namespace tessel::runtime::qt {

// A push button whose caption, where the runtime settled that it wraps, breaks into centred
// lines.
class WrappingButton : public QPushButton {
 public:
  WrappingButton(const QString& caption, bool wraps, QWidget* parent)
      : QPushButton(caption, parent), wraps_(wraps) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool wraps_;
};

}  // namespace tessel::runtime::qt
