#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace tessel::runtime::qt {

class InputBlocker;

// Keeps the keyboard with a modal window where the toolkit's modality does not reach the window
// system (Qt's Wayland platform): the compositor makes whatever window was clicked the active
// one, raises it, and gives it the keys. While it watches, keys that reach a window waiting
// behind the modal one go to the modal one instead, and a waiting window that becomes active
// asks for the modal one to be activated, which raises it too, as far as the compositor grants.
class KeyboardKeeper : public QObject {
 public:
  KeyboardKeeper(QWidget* modal, const InputBlocker& blocker);  // watches from now on

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PassKey(QEvent* event);
  void ActivateModal();

  QPointer<QWidget> modal_;
  const InputBlocker& blocker_;
};

}  // namespace tessel::runtime::qt
