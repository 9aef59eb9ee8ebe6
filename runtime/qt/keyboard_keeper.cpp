#include "runtime/qt/keyboard_keeper.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "runtime/qt/input_blocker.h"

namespace tessel::runtime::qt {

KeyboardKeeper::KeyboardKeeper(QWidget* modal, const InputBlocker& blocker)
    : modal_(modal), blocker_(blocker) {
  // Installed after the blocker, so asked before it.
  QApplication::instance()->installEventFilter(this);
}

bool KeyboardKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (!modal_ || !watched->isWidgetType()) return false;
  const auto* widget = static_cast<QWidget*>(watched);
  if (!blocker_.IsBlocked(widget->window())) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      PassKey(event);
      return true;
    case QEvent::WindowActivate:
      if (widget->isWindow()) ActivateModal();
      return false;
    default:
      return false;
  }
}

// To the modal window's focused control, as if it had had the keyboard all along.
void KeyboardKeeper::PassKey(QEvent* event) {
  QWidget* target = modal_->focusWidget() ? modal_->focusWidget() : modal_.data();
  const auto* key = static_cast<QKeyEvent*>(event);
  QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                 static_cast<quint16>(key->count()));
  QApplication::sendEvent(target, &copy);
}

// Later, not while the toolkit is still taking in the activation it reports.
void KeyboardKeeper::ActivateModal() {
  QTimer::singleShot(0, modal_, [modal = modal_] {
    if (!modal || !modal->isVisible()) return;
    modal->raise();
    modal->activateWindow();
  });
}

}  // namespace tessel::runtime::qt
