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
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "runtime/qt/accessible.h"
#include "runtime/qt/keyboard_keeper.h"
#include "runtime/qt/qt_style.h"
#include "runtime/qt/window_manager_hints.h"
#include "runtime/qt/windows_line.h"

namespace tessel::runtime::qt {
namespace {

void DestroyLater(ToolWindow* widget) {
  widget->hide();
  widget->deleteLater();
}

}  // namespace

QtBackend::QtBackend(std::string_view program_name)
    : program_name_(program_name), arguments_{program_name_.data(), nullptr} {
  if (!QApplication::instance()) {
    owned_application_ = std::make_unique<QApplication>(argument_count_, arguments_.data());
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

ToolWindow* QtBackend::Widget(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native ? native->widget.get() : nullptr;
}

const BuiltControls* QtBackend::Controls(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native ? &native->controls : nullptr;
}

bool QtBackend::InputBlocked(WindowHandle window) {
  NativeWindow* native = Find(window);
  return native && blocker_->IsBlocked(native->widget.get());
}

QWidget* QtBackend::FindControl(WindowHandle window, int control_id) {
  NativeWindow* native = Find(window);
  if (!native) return nullptr;
  const auto it = native->controls.by_id.find(control_id);
  return it == native->controls.by_id.end() ? nullptr : it->second;
}

Status QtBackend::CreateWindow(const WindowSpec& spec, WindowEvents& events, WindowHandle* window) {
  const QSize client(spec.client.width, spec.client.height);
  if (client.width() <= 0 || client.height() <= 0) return kInvalidArgument;
  const WindowHandle handle = next_handle_++;
  NativeWindow& native = windows_[handle];
  native.spec = spec;
  native.widget = {new ToolWindow(spec), &DestroyLater};
  ToolWindow* widget = native.widget.get();
  widget->client()->setFont(ToQFont(spec.font));
  const bool complete =
      (!spec.icon || SetIcon(widget, *spec.icon)) &&
      BuildControls(
          widget->client(), spec, [&events](int id) { events.OnClick(id); }, native.controls);
  if (!complete) {
    windows_.erase(handle);
    return kFailed;
  }
  MakeAccessible(widget, spec, native.controls, blocker_.get());
  widget->on_close_box = [&events] { events.OnCloseRequest(); };
  widget->on_enter = [this, handle] { PressEnter(handle); };
  ApplyColours(handle);
  *window = handle;
  return kOk;
}

void QtBackend::ApplyColours() {
  for (const auto& [handle, native] : windows_) ApplyColours(handle);
}

bool QtBackend::SetIcon(QWidget* widget, const PictureSpec& picture) {
  auto it = icons_.find(picture.file);
  if (it == icons_.end()) {
    const QPixmap pixmap = DecodePicture(picture);
    if (pixmap.isNull()) return false;
    it = icons_.emplace(picture.file, QIcon(pixmap)).first;
  }
  widget->setWindowIcon(it->second);
  return true;
}

void QtBackend::ApplyColours(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return;
  native->widget->client()->SetBackground(ToQColor(native->spec.back_colour));
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

// Without a screen (a compositor that has no output yet), an empty one, which the runtime does
// not centre on.
PixelRect QtBackend::Screen() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary) return {};
  const QRect screen = primary->geometry();
  return {screen.x(), screen.y(), screen.width(), screen.height()};
}

Status QtBackend::ShowWindow(WindowHandle window) {
  NativeWindow* native = Find(window);
  if (!native) return kInvalidArgument;
  ToolWindow* widget = native->widget.get();
  // The native window comes into being here, where the window already has its place.
  if (!native->shown_before) MarkAsToolWindow(widget);
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

// A modal window is a dialog that Qt's own modality tells the window manager about
// (WM_TRANSIENT_FOR the owner, a modal state); Qt hands the activation back to it whenever a
// blocked window gets it, on any window manager and on none. All of it takes effect when the
// window is mapped, so it is shown afresh. On Wayland the compositor learns only the owner (the
// transient parent), and Qt's modality would merely drop the keys that the compositor gives a
// blocked window; there the windows behind are blocked by the runtime alone, and the keyboard
// keeper passes their keys and their activation on to the modal window.
Status QtBackend::ShowModal(WindowHandle window, WindowHandle owner) {
  NativeWindow* native = Find(window);
  NativeWindow* owning = Find(owner);
  if (!native || !owning || native == owning) return kInvalidArgument;
  ToolWindow* widget = native->widget.get();
  widget->hide();
  widget->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  MarkAsToolWindow(widget);
  const bool on_wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
  if (!on_wayland) widget->setWindowModality(Qt::ApplicationModal);
  widget->winId();
  owning->widget->winId();
  widget->windowHandle()->setTransientParent(owning->widget->windowHandle());
  SetOthersTakeFocus(window, false);
  if (const Status status = ShowWindow(window); Failed(status)) {
    SetOthersTakeFocus(window, true);
    return status;
  }
  std::optional<KeyboardKeeper> keeper;
  if (on_wayland) keeper.emplace(widget, *blocker_);
  RunModalLoop(window);
  keeper.reset();
  SetOthersTakeFocus(window, true);
  return kOk;
}

// Asked for by the runtime once a modal window has gone and the others take input again; without
// it some window managers leave no window active.
Status QtBackend::ActivateWindow(WindowHandle window) {
  ToolWindow* widget = Widget(window);
  if (!widget) return kInvalidArgument;
  if (widget->isVisible()) widget->activateWindow();
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
  const auto loop = modal_loops_.find(window);
  // Before the modal window goes, so that the window manager may hand the activation on to them.
  if (loop != modal_loops_.end()) SetOthersTakeFocus(window, true);
  windows_.erase(it);
  if (loop != modal_loops_.end()) loop->second->exit(0);
  return kOk;
}

// While a modal window is open the others take no focus from the window manager; see
// SetTakesFocus.
void QtBackend::SetOthersTakeFocus(WindowHandle modal, bool takes) {
  for (const auto& [handle, native] : windows_) {
    if (handle != modal) SetTakesFocus(native.widget.get(), takes);
  }
}

Status QtBackend::SetCaption(WindowHandle window, int control_id, std::string_view text,
                             const PixelRect& rect) {
  auto* label = qobject_cast<QLabel*>(FindControl(window, control_id));
  if (!label) return kInvalidArgument;
  label->setText(ToQString(text));
  label->setGeometry(rect.x, rect.y, rect.width, rect.height);
  return kOk;
}

// The advance a QLabel lays its text out with, and a line as high as Windows makes it.
TextSize QtBackend::MeasureText(const ResolvedFont& font, std::string_view text) {
  const QFont qt_font = ToQFont(font);
  const QFontMetrics metrics(qt_font);
  return {metrics.horizontalAdvance(ToQString(text)), WindowsLineOf(qt_font).height};
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
  QMessageBox box(QMessageBox::Critical, ToQString(title), ToQString(text), QMessageBox::Ok);
  box.exec();
}

}  // namespace tessel::runtime::qt
