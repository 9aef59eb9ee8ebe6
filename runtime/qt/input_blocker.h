#pragma once

#include <QObject>
#include <set>

class QWidget;

namespace tessel::runtime::qt {

// Keeps input away from the windows the runtime disabled, without the greyed look that Qt gives
// a disabled widget: a window that waits behind a modal window looks exactly as before, it only
// refuses the mouse, the keyboard and its hints.
class InputBlocker : public QObject {
 public:
  InputBlocker();  // watches every event of the application

  void SetBlocked(const QWidget* window, bool blocked);
  bool IsBlocked(const QWidget* window) const { return blocked_.count(window) != 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::set<const QWidget*> blocked_;
};

}  // namespace tessel::runtime::qt
