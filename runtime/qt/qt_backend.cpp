#include "runtime/qt/qt_backend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "runtime/qt/qt_style.h"

namespace tessel::runtime::qt {
namespace {

int argc_storage = 1;
char program_name[] = "tessel";
char* argv_storage[] = {program_name, nullptr};

void DestroyLater(ToolWindow* widget) {
  widget->hide();
  widget->deleteLater();
}

PixelRect ToPixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

QMargins FrameOf(const WindowSpec& spec) {
  const int side = spec.client.x;
  return QMargins(side, spec.client.y, side, side);
}

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

QtBackend::QtBackend() {
  if (!QApplication::instance()) {
    // Positions only hold on X11; on a Wayland desktop we go through XWayland.
    if (std::getenv("WAYLAND_DISPLAY") && std::getenv("DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM")) {
      setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    owned_application_ = std::make_unique<QApplication>(argc_storage, argv_storage);
  }
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setDesktopSettingsAware(false);
  InstallFontSubstitutes();
  blocker_ = std::make_unique<InputBlocker>();
}

QtBackend::~QtBackend() {
  windows_.clear();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QtBackend::NativeWindow* QtBackend::Find(WindowHandle window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

QWidget* QtBackend::FindControl(WindowHandle window, int control_id) {
  NativeWindow* native = Find(window);
  if (!native) return nullptr;
  const auto it = native->controls.by_id.find(control_id);
  return it == native->controls.by_id.end() ? nullptr : it->second;
}

Status QtBackend::CreateWindow(const WindowSpec& spec, WindowHandle* window) {
  const QSize client(spec.client.width, spec.client.height);
  if (client.width() <= 0 || client.height() <= 0) return kInvalidArgument;
  const WindowHandle handle = next_handle_++;
  NativeWindow& native = windows_[handle];
  native.spec = spec;
  native.widget = {new ToolWindow(QString::fromStdString(spec.caption), client, FrameOf(spec)),
                   &DestroyLater};
  ToolWindow* widget = native.widget.get();
  if (spec.icon) widget->setWindowIcon(QIcon(DecodePicture(*spec.icon)));
  widget->client()->setFont(ToQFont(spec.font));
  native.controls = BuildControls(widget->client(), spec, [this, handle](int id) {
    if (sink_) sink_->OnClick(handle, id);
  });
  widget->on_close_box = [this, handle] {
    if (sink_) sink_->OnCloseBox(handle);
  };
  widget->on_enter = [this, handle] { PressEnter(handle); };
  ApplyColours(handle);
  *window = handle;
  return kOk;
}

void QtBackend::ApplyColours(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return;
  QWidget* client = native->widget->client();
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, ToQColor(native->spec.back_colour));
  client->setPalette(palette);
  for (const ControlSpec& c : native->spec.controls) {
    qt::ApplyColours(native->controls.by_id.at(c.id), c);
  }
}

void QtBackend::PressEnter(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return;
  auto* focused = qobject_cast<QAbstractButton*>(native->widget->focusWidget());
  QWidget* target = focused ? focused : native->controls.default_button;
  if (auto* button = qobject_cast<QAbstractButton*>(target); button && button->isEnabled()) {
    button->click();
  }
}

Status QtBackend::MoveWindow(WindowHandle window, int left, int top) {
  NativeWindow* native = Find(window);
  if (!native) return kInvalidArgument;
  native->widget->move(left, top);
  return kOk;
}

Status QtBackend::CentreWindow(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return kInvalidArgument;
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QSize size = native->widget->size();
  native->widget->move(screen.x() + (screen.width() - size.width()) / 2,
                       screen.y() + (screen.height() - size.height()) / 2);
  return kOk;
}

Status QtBackend::ShowWindow(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return kInvalidArgument;
  ToolWindow* widget = native->widget.get();
  widget->show();
  widget->raise();
  widget->activateWindow();
  if (!native->shown_before) {
    native->shown_before = true;
    if (native->controls.first_tab_stop) {
      native->controls.first_tab_stop->setFocus(Qt::ActiveWindowFocusReason);
    }
  }
  return kOk;
}

// Qt's own modality tells the window manager (WM_TRANSIENT_FOR the owner, a modal state) and
// hands the activation back to the modal window whenever a blocked one gets it, on any window
// manager and on none. Both take effect when the window is mapped, so it is shown afresh.
Status QtBackend::ShowModal(WindowHandle window, WindowHandle owner) {
  NativeWindow* native = Find(window);
  NativeWindow* owning = Find(owner);
  if (!native || !owning || native == owning) return kInvalidArgument;
  ToolWindow* widget = native->widget.get();
  widget->hide();
  widget->setWindowModality(Qt::ApplicationModal);
  widget->winId();
  owning->widget->winId();
  widget->windowHandle()->setTransientParent(owning->widget->windowHandle());
  if (const Status status = ShowWindow(window); Failed(status)) return status;
  RunModalLoop(window);
  return kOk;
}

Status QtBackend::SetWindowEnabled(WindowHandle window, bool enabled) {
  NativeWindow* native = Find(window);
  if (!native) return kInvalidArgument;
  blocker_->SetBlocked(native->widget.get(), !enabled);
  return kOk;
}

Status QtBackend::DestroyWindow(WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return kInvalidArgument;
  blocker_->SetBlocked(it->second.widget.get(), false);
  windows_.erase(it);
  if (const auto loop = modal_loops_.find(window); loop != modal_loops_.end()) {
    loop->second->exit(0);
  }
  return kOk;
}

Status QtBackend::SetCaption(WindowHandle window, int control_id, std::string_view text,
                             const PixelRect& rect) {
  auto* label = qobject_cast<QLabel*>(FindControl(window, control_id));
  if (!label) return kInvalidArgument;
  label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  label->setGeometry(rect.x, rect.y, rect.width, rect.height);
  return kOk;
}

// The metrics a QLabel lays its text out with.
TextSize QtBackend::MeasureText(const FontRecord& font, std::string_view text) {
  const QFontMetrics metrics(ToQFont(font));
  return {metrics.horizontalAdvance(
              QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
          metrics.height()};
}

int QtBackend::RunEventLoop() {
  if (quit_requested_) {
    quit_requested_ = false;
    return exit_code_;
  }
  QEventLoop loop;
  loops_.push_back(&loop);
  const int code = loop.exec();
  loops_.pop_back();
  quit_requested_ = false;
  return code;
}

void QtBackend::Quit(int exit_code) {
  quit_requested_ = true;
  exit_code_ = exit_code;
  for (QEventLoop* loop : loops_) loop->exit(exit_code);
}

void QtBackend::RunModalLoop(WindowHandle window) {
  if (!Find(window)) return;
  QEventLoop loop;
  modal_loops_[window] = &loop;
  loops_.push_back(&loop);
  loop.exec();
  loops_.pop_back();
  modal_loops_.erase(window);
}

void QtBackend::ShowErrorBox(std::string_view title, std::string_view text) {
  QMessageBox box(
      QMessageBox::Critical, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
  box.exec();
}

void QtBackend::Post(std::function<void()> task) {
  QTimer::singleShot(0, QApplication::instance(), std::move(task));
}

void QtBackend::After(int milliseconds, std::function<void()> task) {
  QTimer::singleShot(milliseconds, &timers_, std::move(task));
}

std::uint64_t QtBackend::NativeId(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native ? static_cast<std::uint64_t>(native->widget->winId()) : 0;
}

PixelRect QtBackend::ScreenSize() {
  return ToPixelRect(QGuiApplication::primaryScreen()->geometry());
}

PixelRect QtBackend::WindowFrame(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native ? ToPixelRect(native->widget->geometry()) : PixelRect{};
}

PixelRect QtBackend::ClientArea(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return {};
  QWidget* client = native->widget->client();
  return ToPixelRect(QRect(client->mapToGlobal(QPoint(0, 0)), client->size()));
}

PixelRect QtBackend::ControlRect(WindowHandle window, int control_id) {
  QWidget* control = FindControl(window, control_id);
  return control ? ToPixelRect(control->geometry()) : PixelRect{};
}

bool QtBackend::IsVisible(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native && native->widget->isVisible();
}

bool QtBackend::IsEnabled(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native && !blocker_->IsBlocked(native->widget.get());
}

bool QtBackend::IsActive(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native && native->widget->isActiveWindow();
}

std::string QtBackend::WindowCaption(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native ? native->widget->windowTitle().toStdString() : std::string();
}

std::string QtBackend::ControlCaption(WindowHandle window, int control_id) {
  QWidget* control = FindControl(window, control_id);
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text().toStdString();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text().toStdString();
  return {};
}

std::string QtBackend::ToolTip(WindowHandle window, int control_id) {
  QWidget* control = FindControl(window, control_id);
  return control ? control->toolTip().toStdString() : std::string();
}

std::string QtBackend::ShownToolTip() {
  return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
}

int QtBackend::FocusedControl(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return 0;
  QWidget* focused = native->widget->focusWidget();
  for (const auto& [id, widget] : native->controls.by_id) {
    if (widget == focused) return id;
  }
  return 0;
}

Screenshot QtBackend::Grab(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return {};
  const QImage image = native->widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  Screenshot shot{image.width(), image.height(), {}};
  shot.pixels.reserve(static_cast<size_t>(image.width() * image.height()));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    shot.pixels.insert(shot.pixels.end(), row, row + image.width());
  }
  return shot;
}

bool QtBackend::ShowsArrowPointer(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return false;
  const auto arrow = [](const QWidget* w) { return w->cursor().shape() == Qt::ArrowCursor; };
  if (!arrow(native->widget->client())) return false;
  return std::all_of(native->controls.by_id.begin(), native->controls.by_id.end(),
                     [&](const auto& entry) { return arrow(entry.second); });
}

// The press lands on whatever widget lies at the control's centre, as a real click would.
void QtBackend::Click(WindowHandle window, int control_id) {
  NativeWindow* native = Find(window);
  QWidget* control = FindControl(window, control_id);
  if (!native || !control) return;
  const QPoint centre = control->mapTo(native->widget.get(), control->rect().center());
  QWidget* target = native->widget->childAt(centre);
  if (!target) target = native->widget.get();
  SendClick(target, target->mapFrom(native->widget.get(), centre));
}

void QtBackend::PressKey(WindowHandle window, Key key) {
  NativeWindow* native = Find(window);
  if (!native) return;
  QWidget* target = native->widget->focusWidget();
  if (!target) target = native->widget.get();
  const QString text = key == Key::kSpace ? QStringLiteral(" ") : QString();
  const Qt::KeyboardModifiers modifiers = key == Key::kAltF4 ? Qt::AltModifier : Qt::NoModifier;
  QKeyEvent press(QEvent::KeyPress, QtKey(key), modifiers, text);
  QApplication::sendEvent(target, &press);
  if (!Find(window)) return;
  QKeyEvent release(QEvent::KeyRelease, QtKey(key), modifiers, text);
  QApplication::sendEvent(target, &release);
}

void QtBackend::PressCloseBox(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (native) SendClick(native->widget.get(), native->widget->CloseBoxRect().center());
}

// The way every platform plugin reports a window manager's close request.
void QtBackend::RequestClose(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (native && native->widget->windowHandle()) native->widget->windowHandle()->close();
}

// Moving the platform's pointer makes the platform report the motion, as it does a user's.
void QtBackend::Hover(WindowHandle window, int control_id) {
  QWidget* control = FindControl(window, control_id);
  if (!control) return;
  // From a point next to the centre, so that the pointer moves even when it rests there already.
  const QPoint centre = control->mapToGlobal(control->rect().center());
  QCursor::setPos(centre + QPoint(1, 1));
  QCursor::setPos(centre);
}

void QtBackend::DragTitleBar(WindowHandle window, int dx, int dy) {
  NativeWindow* native = Find(window);
  if (!native) return;
  ToolWindow* widget = native->widget.get();
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

void QtBackend::SetSystemColour(int index, std::uint32_t rgb) {
  qt::SetSystemColour(static_cast<std::uint32_t>(index), QColor::fromRgb(rgb));
  // Open windows follow the new scheme at once.
  for (const auto& [handle, native] : windows_) ApplyColours(handle);
}

std::vector<std::string> QtBackend::MessageBoxes() {
  std::vector<std::string> texts;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
      texts.push_back(box->text().toStdString());
    }
  }
  return texts;
}

void QtBackend::DismissMessageBox() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
      SendClick(box->button(QMessageBox::Ok), box->button(QMessageBox::Ok)->rect().center());
      return;
    }
  }
}

}  // namespace tessel::runtime::qt
