#include "runtime/qt/input_blocker.h"

#include <QApplication>
#include <QWidget>

namespace tessel::runtime::qt {
namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::ToolTip:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputBlocker::InputBlocker() { QApplication::instance()->installEventFilter(this); }

void InputBlocker::SetBlocked(const QWidget* window, bool blocked) {
  if (blocked) {
    blocked_.insert(window);
  } else {
    blocked_.erase(window);
  }
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (blocked_.empty() || !IsInput(event->type()) || !watched->isWidgetType()) return false;
  return IsBlocked(static_cast<QWidget*>(watched)->window());
}

}  // namespace tessel::runtime::qt
