#include "runtime/qt/accessible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <map>
#include <vector>

#include "runtime/qt/qt_style.h"

namespace tessel::runtime::qt {
namespace {

// Whether the runtime lets input reach the window; a window behind a modal one takes none.
bool TakesInput(const QPointer<InputBlocker>& blocker, const QWidget* window) {
  return !blocker || !blocker->IsBlocked(window);
}

// A press through the accessibility interface is answered at once; the click itself follows
// from the event loop, as a click of the mouse does. Pressed at once, a button that opens a
// modal window or ends the program would hold the screen reader's call until it was over.
void PressLater(QWidget* target, const QPointer<InputBlocker>& blocker,
                const std::function<void()>& press) {
  QTimer::singleShot(0, target, [target, blocker, press] {
    if (TakesInput(blocker, target->window())) press();
  });
}

class ButtonAccessible : public QAccessibleWidget {
 public:
  ButtonAccessible(QPushButton* button, InputBlocker* blocker)
      : QAccessibleWidget(button, QAccessible::PushButton), blocker_(blocker) {}

  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(widget()->window());
  }

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name:
        return Button()->text();
      case QAccessible::Description:
        return Button()->toolTip();
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.defaultButton = Button()->isDefault();
    state.pressed = Button()->isDown();
    if (!TakesInput(blocker_, widget()->window())) state.disabled = true;
    return state;
  }

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action != pressAction()) {
      QAccessibleWidget::doAction(action);
      return;
    }
    QPushButton* button = Button();
    if (!button->isEnabled() || !TakesInput(blocker_, button->window())) return;
    PressLater(button, blocker_, [button] { button->click(); });
  }

 private:
  QPushButton* Button() const { return static_cast<QPushButton*>(widget()); }

  QPointer<InputBlocker> blocker_;
};

class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(widget()->window());
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

// The close box is painted into the title bar, not a widget of its own, so its interface stands
// on no object; the window's interface owns it.
class CloseBoxAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  CloseBoxAccessible(ToolWindow* window, QString name, InputBlocker* blocker)
      : window_(window), name_(std::move(name)), blocker_(blocker) {}

  bool isValid() const override { return !window_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(window_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? name_ : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!window_) return {};
    const QRect box = window_->CloseBoxRect();
    return QRect(window_->mapToGlobal(box.topLeft()), box.size());
  }

  QAccessible::Role role() const override { return QAccessible::PushButton; }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!window_ || !window_->isVisible()) {
      state.invisible = true;
      return state;
    }
    if (!TakesInput(blocker_, window_)) state.disabled = true;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  void doAction(const QString& action) override {
    if (action != pressAction() || !window_ || !TakesInput(blocker_, window_)) return;
    ToolWindow* window = window_;
    PressLater(window, blocker_, [window] { window->PressCloseBox(); });
  }

 private:
  QPointer<ToolWindow> window_;
  QString name_;
  QPointer<InputBlocker> blocker_;
};

class WindowAccessible : public QAccessibleWidget {
 public:
  WindowAccessible(ToolWindow* window, std::vector<QWidget*> controls, QString close_box_name,
                   InputBlocker* blocker)
      : QAccessibleWidget(window, QAccessible::Window), controls_(std::move(controls)) {
    close_box_ = new CloseBoxAccessible(window, std::move(close_box_name), blocker);
    close_box_id_ = QAccessible::registerAccessibleInterface(close_box_);
  }

  ~WindowAccessible() override { QAccessible::deleteAccessibleInterface(close_box_id_); }

  // Shown modally, the window is a dialog; it is never on the screen modal and not.
  QAccessible::Role role() const override {
    return Modal() ? QAccessible::Dialog : QAccessible::Window;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.modal = Modal();
    return state;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return widget()->windowTitle();
    return QAccessibleWidget::text(t);
  }

  int childCount() const override { return static_cast<int>(controls_.size()) + 1; }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index > static_cast<int>(controls_.size())) return nullptr;
    if (index == static_cast<int>(controls_.size())) return close_box_;
    return QAccessible::queryAccessibleInterface(controls_[static_cast<size_t>(index)]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child == close_box_) return static_cast<int>(controls_.size());
    for (size_t i = 0; i < controls_.size(); ++i) {
      if (child->object() == controls_[i]) return static_cast<int>(i);
    }
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      QAccessibleInterface* c = child(i);
      if (c && !c->state().invisible && c->rect().contains(x, y)) return c;
    }
    return nullptr;
  }

 private:
  bool Modal() const { return widget()->windowModality() != Qt::NonModal; }

  std::vector<QWidget*> controls_;  // owned by the window, as long as this interface
  CloseBoxAccessible* close_box_;
  QAccessible::Id close_box_id_;
};

// Puts the interface in the place of any that Qt made for the same widget before: with
// accessibility on, an event about a widget as it is built gives it Qt's own interface.
void Register(QAccessibleInterface* iface) {
  if (QAccessibleInterface* before = QAccessible::queryAccessibleInterface(iface->object())) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
  }
  QAccessible::registerAccessibleInterface(iface);
}

}  // namespace

void MakeAccessible(ToolWindow* window, const WindowSpec& spec, const BuiltControls& built,
                    InputBlocker* blocker) {
  std::map<int, ControlKind> kinds;
  for (const ControlSpec& c : spec.controls) kinds[c.id] = c.kind;
  // The reading order holds the buttons and labels only.
  std::vector<QWidget*> exposed;
  for (const int id : spec.reading_order) {
    QWidget* widget = built.by_id.at(id);
    if (kinds.at(id) == ControlKind::kCommandButton) {
      Register(new ButtonAccessible(static_cast<QPushButton*>(widget), blocker));
    } else {
      Register(new LabelAccessible(static_cast<QLabel*>(widget)));
    }
    exposed.push_back(widget);
  }
  Register(
      new WindowAccessible(window, std::move(exposed), ToQString(spec.close_box_name), blocker));
}

}  // namespace tessel::runtime::qt
