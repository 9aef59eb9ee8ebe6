#pragma once

#include <QEventLoop>
#include <QPointer>
#include <map>
#include <memory>
#include <vector>

#include "runtime/core/backend.h"
#include "runtime/core/test_surface.h"
#include "runtime/qt/control_factory.h"
#include "runtime/qt/input_blocker.h"
#include "runtime/qt/tool_window.h"

class QApplication;

namespace tessel::runtime::qt {

// The runtime's windows as Qt 6 widgets, on X11 or on Qt's offscreen platform.
class QtBackend : public Backend, public TestSurface {
 public:
  QtBackend();
  ~QtBackend() override;

  void SetEventSink(EventSink* sink) override { sink_ = sink; }
  Status CreateWindow(const WindowSpec& spec, WindowHandle* window) override;
  Status MoveWindow(WindowHandle window, int left, int top) override;
  Status CentreWindow(WindowHandle window) override;
  Status ShowWindow(WindowHandle window) override;
  Status ShowModal(WindowHandle window, WindowHandle owner) override;
  Status SetWindowEnabled(WindowHandle window, bool enabled) override;
  Status DestroyWindow(WindowHandle window) override;
  Status SetCaption(WindowHandle window, int control_id, std::string_view text,
                    const PixelRect& rect) override;
  TextSize MeasureText(const FontRecord& font, std::string_view text) override;
  int RunEventLoop() override;
  void Quit(int exit_code) override;
  void ShowErrorBox(std::string_view title, std::string_view text) override;
  void Post(std::function<void()> task) override;
  TestSurface& test_surface() override { return *this; }

  void After(int milliseconds, std::function<void()> task) override;
  std::uint64_t NativeId(WindowHandle window) override;
  PixelRect ScreenSize() override;
  PixelRect WindowFrame(WindowHandle window) override;
  PixelRect ClientArea(WindowHandle window) override;
  PixelRect ControlRect(WindowHandle window, int control_id) override;
  bool IsVisible(WindowHandle window) override;
  bool IsEnabled(WindowHandle window) override;
  bool IsActive(WindowHandle window) override;
  std::string WindowCaption(WindowHandle window) override;
  std::string ControlCaption(WindowHandle window, int control_id) override;
  std::string ToolTip(WindowHandle window, int control_id) override;
  std::string ShownToolTip() override;
  int FocusedControl(WindowHandle window) override;
  Screenshot Grab(WindowHandle window) override;
  bool ShowsArrowPointer(WindowHandle window) override;
  void Click(WindowHandle window, int control_id) override;
  void PressKey(WindowHandle window, Key key) override;
  void PressCloseBox(WindowHandle window) override;
  void RequestClose(WindowHandle window) override;
  void Hover(WindowHandle window, int control_id) override;
  void DragTitleBar(WindowHandle window, int dx, int dy) override;
  void SetSystemColour(int index, std::uint32_t rgb) override;
  std::vector<std::string> MessageBoxes() override;
  void DismissMessageBox() override;

 private:
  struct NativeWindow {
    std::unique_ptr<ToolWindow, void (*)(ToolWindow*)> widget{nullptr, nullptr};
    WindowSpec spec;
    BuiltControls controls;
    bool shown_before = false;
  };

  NativeWindow* Find(WindowHandle window);
  void RunModalLoop(WindowHandle window);
  QWidget* FindControl(WindowHandle window, int control_id);
  void PressEnter(WindowHandle window);
  void ApplyColours(WindowHandle window);

  std::unique_ptr<QApplication> owned_application_;
  std::unique_ptr<InputBlocker> blocker_;
  EventSink* sink_ = nullptr;
  std::map<WindowHandle, NativeWindow> windows_;
  WindowHandle next_handle_ = 1;
  std::vector<QEventLoop*> loops_;
  std::map<WindowHandle, QEventLoop*> modal_loops_;
  QObject timers_;  // what After waits for goes with the backend
  bool quit_requested_ = false;
  int exit_code_ = 0;
};

}  // namespace tessel::runtime::qt
