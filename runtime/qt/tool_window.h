#pragma once

#include <QBasicTimer>
#include <QMargins>
#include <QPoint>
#include <QWidget>
#include <functional>

#include "runtime/core/palette.h"
#include "runtime/core/window_spec.h"
#include "runtime/qt/surface.h"

namespace tessel::runtime::qt {

// A top-level window that draws its own fixed tool-window frame: a thin border, a small title
// bar with the caption and a close box, where the runtime settled them. Outer size is always
// client size plus the frame, on any window manager and on the offscreen platform alike.
class ToolWindow : public QWidget {
 public:
  explicit ToolWindow(const WindowSpec& spec);

  Surface* client() const { return client_; }
  QRect TitleBarRect() const { return title_bar_; }
  QRect CloseBoxRect() const { return close_box_; }

  // The close box was pressed, or the window system asked the window to close (Alt+F4, a
  // window manager's or task bar's close). The window itself stays until the runtime unloads it.
  std::function<void()> on_close_box;
  // What a click on the close box does; the accessibility interface presses it so too.
  void PressCloseBox();
  // Enter presses the focused button, or the default button where there is one.
  std::function<void()> on_enter;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PaintBorder(QPainter& painter, const FrameColours& colours) const;
  void PaintTitleBar(QPainter& painter, const FrameColours& colours) const;
  void PaintCloseBox(QPainter& painter, const FrameColours& colours) const;
  void StartMove(const QMouseEvent& motion);
  void EndMove();

  Surface* client_;
  QRect title_bar_;
  QRect close_box_;
  QRect caption_;
  // kPressed: the title bar is held down, and no move has begun yet.
  enum class Move { kNone, kPressed, kByWindowManager, kByItself };
  Move move_ = Move::kNone;
  QPoint grip_;      // where the title bar was pressed, in the window
  QPoint press_at_;  // and on the screen
  unsigned long press_time_ = 0;
  unsigned long hand_over_time_ = 0;
  QBasicTimer move_watch_;
  bool close_box_down_ = false;
};

}  // namespace tessel::runtime::qt
