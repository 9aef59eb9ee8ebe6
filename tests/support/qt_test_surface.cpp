// The test surface of the Qt backend: what the toolkit really has, and input sent into it.
#include "tests/support/qt_test_surface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

#include "runtime/qt/qt_style.h"
#include "tests/support/qt_x11_window.h"

namespace tessel::testing {

// What is read back is the backend's own: its widgets, by their names.
using namespace runtime;
using namespace runtime::qt;

namespace {

PixelRect ToPixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
  const QPointF global = target->mapToGlobal(QPointF(local));
  QMouseEvent event(type, QPointF(local), global, Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void SendClick(QWidget* target, QPoint local) {
  SendMouse(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
  SendMouse(target, QEvent::MouseButtonRelease, local, Qt::NoButton);
}

int QtKey(Key key) {
  switch (key) {
    case Key::kTab:
      return Qt::Key_Tab;
    case Key::kBacktab:
      return Qt::Key_Backtab;
    case Key::kEnter:
      return Qt::Key_Return;
    case Key::kSpace:
      return Qt::Key_Space;
    case Key::kEscape:
      return Qt::Key_Escape;
    case Key::kAltF4:
      return Qt::Key_F4;
  }
  return 0;
}

}  // namespace

QtTestSurface::QtTestSurface(QtBackend& backend) : backend_(backend) {}

void QtTestSurface::Post(std::function<void()> task) {
  QTimer::singleShot(0, &timers_, std::move(task));
}

void QtTestSurface::After(int milliseconds, std::function<void()> task) {
  QTimer::singleShot(milliseconds, &timers_, std::move(task));
}

std::uint64_t QtTestSurface::NativeId(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  return widget ? static_cast<std::uint64_t>(widget->winId()) : 0;
}

PixelRect QtTestSurface::ScreenSize() {
  return ToPixelRect(QGuiApplication::primaryScreen()->geometry());
}

PixelRect QtTestSurface::WindowFrame(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  return widget ? ToPixelRect(widget->geometry()) : PixelRect{};
}

PixelRect QtTestSurface::ClientArea(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  if (!widget) return {};
  QWidget* client = widget->client();
  return ToPixelRect(QRect(client->mapToGlobal(QPoint(0, 0)), client->size()));
}

PixelRect QtTestSurface::ControlRect(WindowHandle window, int control_id) {
  QWidget* control = backend_.Control(window, control_id);
  return control ? ToPixelRect(control->geometry()) : PixelRect{};
}

bool QtTestSurface::IsVisible(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  return widget && widget->isVisible();
}

std::string QtTestSurface::Unsettled(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  if (!widget) return "gone";
  return widget->isVisible() ? NotYetPlaced(*widget) : "hidden";
}

bool QtTestSurface::IsEnabled(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  return widget && !backend_.InputBlocked(window);
}

bool QtTestSurface::IsActive(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  return widget && widget->isActiveWindow() && ActiveOnTheServer(*widget);
}

std::string QtTestSurface::WindowCaption(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  return widget ? widget->windowTitle().toStdString() : std::string();
}

std::string QtTestSurface::ControlCaption(WindowHandle window, int control_id) {
  QWidget* control = backend_.Control(window, control_id);
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text().toStdString();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text().toStdString();
  return {};
}

std::string QtTestSurface::ToolTip(WindowHandle window, int control_id) {
  QWidget* control = backend_.Control(window, control_id);
  return control ? control->toolTip().toStdString() : std::string();
}

std::string QtTestSurface::ShownToolTip() {
  return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
}

int QtTestSurface::FocusedControl(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  if (!widget) return 0;
  QWidget* focused = widget->focusWidget();
  for (const auto& [id, control] : backend_.Controls(window)->by_id) {
    if (control == focused) return id;
  }
  return 0;
}

Screenshot QtTestSurface::Grab(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  if (!widget) return {};
  const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  Screenshot shot{image.width(), image.height(), {}};
  shot.pixels.reserve(static_cast<size_t>(image.width() * image.height()));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    shot.pixels.insert(shot.pixels.end(), row, row + image.width());
  }
  return shot;
}

bool QtTestSurface::ShowsArrowPointer(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  if (!widget) return false;
  const auto arrow = [](const QWidget* w) { return w->cursor().shape() == Qt::ArrowCursor; };
  if (!arrow(widget->client())) return false;
  const auto& controls = backend_.Controls(window)->by_id;
  return std::all_of(controls.begin(), controls.end(),
                     [&](const auto& entry) { return arrow(entry.second); });
}

// The press lands on whatever widget lies at the control's centre, as a real click would.
void QtTestSurface::Click(WindowHandle window, int control_id) {
  ToolWindow* widget = backend_.Widget(window);
  QWidget* control = backend_.Control(window, control_id);
  if (!widget || !control) return;
  const QPoint centre = control->mapTo(widget, control->rect().center());
  QWidget* target = widget->childAt(centre);
  if (!target) target = widget;
  SendClick(target, target->mapFrom(widget, centre));
}

void QtTestSurface::PressKey(WindowHandle window, Key key) {
  ToolWindow* widget = backend_.Widget(window);
  if (!widget) return;
  QWidget* target = widget->focusWidget();
  if (!target) target = widget;
  const QString text = key == Key::kSpace ? QStringLiteral(" ") : QString();
  const Qt::KeyboardModifiers modifiers = key == Key::kAltF4 ? Qt::AltModifier : Qt::NoModifier;
  QKeyEvent press(QEvent::KeyPress, QtKey(key), modifiers, text);
  QApplication::sendEvent(target, &press);
  if (!backend_.Widget(window)) return;
  QKeyEvent release(QEvent::KeyRelease, QtKey(key), modifiers, text);
  QApplication::sendEvent(target, &release);
}

void QtTestSurface::PressCloseBox(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  if (widget) SendClick(widget, widget->CloseBoxRect().center());
}

// The way every platform plugin reports a window manager's close request.
void QtTestSurface::RequestClose(WindowHandle window) {
  ToolWindow* widget = backend_.Widget(window);
  if (widget && widget->windowHandle()) widget->windowHandle()->close();
}

// Moving the platform's pointer makes the platform report the motion, as it does a user's.
void QtTestSurface::Hover(WindowHandle window, int control_id) {
  QWidget* control = backend_.Control(window, control_id);
  if (!control) return;
  // From a point next to the centre, so that the pointer moves even when it rests there already.
  const QPoint centre = control->mapToGlobal(control->rect().center());
  QCursor::setPos(centre + QPoint(1, 1));
  QCursor::setPos(centre);
}

void QtTestSurface::DragTitleBar(WindowHandle window, int dx, int dy) {
  ToolWindow* widget = backend_.Widget(window);
  if (!widget) return;
  const QPoint grip = widget->TitleBarRect().center() - QPoint(20, 0);
  SendMouse(widget, QEvent::MouseButtonPress, grip, Qt::LeftButton);
  const QPoint moved = grip + QPoint(dx, dy);
  // The widget moves under the pointer, so the end point is given in its old coordinates.
  QMouseEvent move(QEvent::MouseMove, QPointF(moved), widget->mapToGlobal(QPointF(moved)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
  SendMouse(widget, QEvent::MouseButtonRelease, widget->mapFromGlobal(widget->pos() + grip),
            Qt::NoButton);
}

void QtTestSurface::SetSystemColour(int index, std::uint32_t rgb) {
  runtime::qt::SetSystemColour(static_cast<std::uint32_t>(index), QColor::fromRgb(rgb));
  // Open windows follow the new scheme at once.
  backend_.ApplyColours();
}

std::vector<std::string> QtTestSurface::MessageBoxes() {
  std::vector<std::string> texts;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
      texts.push_back(box->text().toStdString());
    }
  }
  return texts;
}

void QtTestSurface::DismissMessageBox() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
      SendClick(box->button(QMessageBox::Ok), box->button(QMessageBox::Ok)->rect().center());
      return;
    }
  }
}

std::unique_ptr<TestSurface> CreateTestSurface(Backend& backend) {
  return std::make_unique<QtTestSurface>(dynamic_cast<QtBackend&>(backend));
}

}  // namespace tessel::testing
