#include "runtime/qt/tool_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QTimerEvent>
#include <QWindow>
#include <cstdint>

#include "runtime/qt/frame_colours.h"
#include "runtime/qt/qt_style.h"
#include "runtime/qt/window_manager_hints.h"

namespace tessel::runtime::qt {
namespace {

// How often a move the window manager makes is asked whether it is over, in ms.
constexpr int kMoveWatchInterval = 30;
// How long the window manager has to take a move handed over before the window makes it
// itself, in ms.
constexpr unsigned long kHandOverMs = 300;

QRect ToQRect(const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }

QColor Rgb(std::uint32_t rgb) { return QColor(static_cast<QRgb>(rgb)); }

}  // namespace

ToolWindow::ToolWindow(const WindowSpec& spec)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      client_(new Surface(this)),
      title_bar_(ToQRect(spec.title_bar.bar)),
      close_box_(ToQRect(spec.title_bar.close_box)),
      caption_(ToQRect(spec.title_bar.caption)) {
  setWindowTitle(ToQString(spec.caption));
  setAttribute(Qt::WA_DeleteOnClose, false);
  // Hints show over every window of the program, not only over the active one.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  const PixelRect outer = OuterSize(spec);
  setFixedSize(outer.width, outer.height);
  client_->setGeometry(ToQRect(spec.client));
  setFont(ToQFont(spec.title_bar.font));
}

void ToolWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The application's palette as it is now: each window hears of a change only later.
  const FrameColours colours = FrameColoursOf(PaletteOf(QApplication::palette()));
  PaintBorder(painter, colours);
  PaintTitleBar(painter, colours);
  PaintCloseBox(painter, colours);
}

// The raised three-line border of a fixed frame: face, light and dark edges.
void ToolWindow::PaintBorder(QPainter& painter, const FrameColours& colours) const {
  const QRect r = rect();
  painter.fillRect(r, Rgb(colours.face));
  painter.setPen(Rgb(colours.face));
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(Rgb(colours.dark_shadow));
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
  const QRect inner = r.adjusted(1, 1, -1, -1);
  painter.setPen(Rgb(colours.light));
  painter.drawLine(inner.topLeft(), inner.topRight());
  painter.drawLine(inner.topLeft(), inner.bottomLeft());
  painter.setPen(Rgb(colours.shadow));
  painter.drawLine(inner.bottomLeft(), inner.bottomRight());
  painter.drawLine(inner.topRight(), inner.bottomRight());
}

void ToolWindow::PaintTitleBar(QPainter& painter, const FrameColours& colours) const {
  const FrameColours::Caption& caption = isActiveWindow() ? colours.active : colours.inactive;
  QLinearGradient gradient(title_bar_.topLeft(), title_bar_.topRight());
  gradient.setColorAt(0, Rgb(caption.from));
  gradient.setColorAt(1, Rgb(caption.to));
  painter.fillRect(title_bar_, gradient);
  painter.setPen(Rgb(caption.text));
  painter.drawText(caption_, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   fontMetrics().elidedText(windowTitle(), Qt::ElideRight, caption_.width()));
}

// A small raised button with a cross; sunken while pressed.
void ToolWindow::PaintCloseBox(QPainter& painter, const FrameColours& colours) const {
  const QRect& box = close_box_;
  painter.fillRect(box, Rgb(colours.face));
  painter.setPen(Rgb(close_box_down_ ? colours.dark_shadow : colours.light));
  painter.drawLine(box.topLeft(), box.topRight());
  painter.drawLine(box.topLeft(), box.bottomLeft());
  painter.setPen(Rgb(close_box_down_ ? colours.light : colours.dark_shadow));
  painter.drawLine(box.bottomLeft(), box.bottomRight());
  painter.drawLine(box.topRight(), box.bottomRight());
  const int shift = close_box_down_ ? 1 : 0;
  const QPoint c = box.center() + QPoint(shift, shift);
  painter.setPen(QPen(Rgb(colours.glyph), 1));
  for (int d = 0; d <= 1; ++d) {
    painter.drawLine(c + QPoint(-3 + d, -2), c + QPoint(1 + d, 2));
    painter.drawLine(c + QPoint(-3 + d, 2), c + QPoint(1 + d, -2));
  }
}

void ToolWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  press_time_ = event->timestamp();
  const QPoint at = event->position().toPoint();
  if (CloseBoxRect().contains(at)) {
    close_box_down_ = true;
    update();
  } else if (TitleBarRect().contains(at)) {
    // Not yet a move: a click on the title bar is a click, which the window system answers by
    // activating and raising the window. Handed to a window manager on the press, a click became
    // a move that GNOME on XWayland never ended, and the window went on following the pointer.
    grip_ = at;
    press_at_ = event->globalPosition().toPoint();
    move_ = Move::kPressed;
  }
}

// Once the held pointer has gone the platform's drag distance, the window first catches up with
// it, so that the point of the title bar that was pressed stays under the pointer (where the
// window system lets a window place itself). Then the window manager moves the window where
// there is one, by its own rules (screen edges, snapping, other monitors), from where the window
// really is; it takes the button that is held down, so only a press that the window system saw
// can be handed over. Otherwise the window follows the pointer itself.
void ToolWindow::StartMove(const QMouseEvent& motion) {
  move(motion.globalPosition().toPoint() - grip_);
  hand_over_time_ = motion.timestamp();
  move_ = motion.spontaneous() && StartSystemMove(this) ? Move::kByWindowManager : Move::kByItself;
  if (move_ == Move::kByWindowManager) move_watch_.start(kMoveWatchInterval, this);
}

// The window manager's move ends with a release that goes to it, wherever the pointer then is.
void ToolWindow::timerEvent(QTimerEvent* event) {
  if (event->timerId() != move_watch_.timerId()) return QWidget::timerEvent(event);
  // A new press on the title bar may have come first, and holds a move of its own.
  if (move_ != Move::kByWindowManager) {
    move_watch_.stop();
  } else if (SystemMoveOver(this, press_time_)) {
    EndMove();
  }
}

void ToolWindow::EndMove() {
  move_ = Move::kNone;
  move_watch_.stop();
}

// The pointer moving here with the button down after the move was handed over: either the
// window manager's move is over (the release went to it, and Qt still reports the button down
// when the pointer comes back), which ends the move here too; or, with the button still down
// well after the hand-over (motions already on their way are no sign), the window manager has
// not taken it (on a busy machine it may still be on its way, or fail to take the pointer), so
// the window calls it off and follows by itself.
void ToolWindow::mouseMoveEvent(QMouseEvent* event) {
  const bool held = event->buttons().testFlag(Qt::LeftButton);
  const QPoint pointer = event->globalPosition().toPoint();
  if (move_ == Move::kPressed && !held) EndMove();
  if (move_ == Move::kPressed) {
    const int distance = (pointer - press_at_).manhattanLength();
    if (distance >= QGuiApplication::styleHints()->startDragDistance()) StartMove(*event);
    return;
  }
  if (move_ == Move::kByWindowManager && held) {
    if (SystemMoveOver(this, press_time_)) {
      EndMove();
      return;
    }
    if (event->timestamp() - hand_over_time_ < kHandOverMs) return;
    CancelSystemMove(this);
    EndMove();
    move_ = Move::kByItself;
  }
  if (move_ == Move::kByItself) move(pointer - grip_);
}

void ToolWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // A release from before the last press is the one the window was told of after an earlier
  // move the window manager made, arriving after the next press on a busy machine: it does not
  // end what that press began.
  if (static_cast<std::int32_t>(event->timestamp() - press_time_) < 0) return;
  // Once the window manager has the move, the release goes to it, not to us.
  if (move_ == Move::kByWindowManager) CancelSystemMove(this);
  EndMove();
  if (!close_box_down_) return;
  close_box_down_ = false;
  update();
  if (CloseBoxRect().contains(event->position().toPoint())) PressCloseBox();
}

void ToolWindow::PressCloseBox() {
  if (on_close_box) on_close_box();
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && on_enter) {
    on_enter();
    return;
  }
  // Where no window manager takes Alt+F4, the window answers it itself, as it does elsewhere.
  if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier && on_close_box) {
    on_close_box();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (on_close_box) on_close_box();
}

void ToolWindow::changeEvent(QEvent* event) {
  // The title bar shows whether the window is active; the whole frame follows the palette.
  const QEvent::Type type = event->type();
  if (type == QEvent::ActivationChange || type == QEvent::PaletteChange ||
      type == QEvent::ApplicationPaletteChange) {
    update();
  }
  QWidget::changeEvent(event);
}

}  // namespace tessel::runtime::qt
