#pragma once

#include <QEventLoop>
#include <QIcon>
#include <QPointer>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/backend.h"
#include "runtime/qt/control_factory.h"
#include "runtime/qt/input_blocker.h"
#include "runtime/qt/tool_window.h"

class QApplication;

namespace tessel::runtime::qt {

// The runtime's windows as Qt 6 widgets, on X11 or on Qt's offscreen platform.
class QtBackend : public Backend {
 public:
  // The program's name is the toolkit's too: the window system's class of our windows.
  explicit QtBackend(std::string_view program_name);
  ~QtBackend() override;

  Status CreateWindow(const WindowSpec& spec, WindowEvents& events, WindowHandle* window) override;
  Status MoveWindow(WindowHandle window, int left, int top) override;
  Status ShowWindow(WindowHandle window) override;
  Status ShowModal(WindowHandle window, WindowHandle owner) override;
  Status SetWindowEnabled(WindowHandle window, bool enabled) override;
  Status ActivateWindow(WindowHandle window) override;
  Status DestroyWindow(WindowHandle window) override;
  Status SetCaption(WindowHandle window, int control_id, std::string_view text,
                    const PixelRect& rect) override;
  TextSize MeasureText(const ResolvedFont& font, std::string_view text) override;
  PixelRect Screen() override;
  int RunEventLoop() override;
  void Quit(int exit_code) override;
  void ShowErrorBox(std::string_view title, std::string_view text) override;

  // For inspection by tests and tools: a window's widget and its controls, null when the window
  // is not open.
  ToolWindow* Widget(WindowHandle window);
  QWidget* Control(WindowHandle window, int control_id) { return FindControl(window, control_id); }
  const BuiltControls* Controls(WindowHandle window);
  bool InputBlocked(WindowHandle window);
  // Brings every open window in line with the system colours, after a change of scheme.
  void ApplyColours();

 private:
  struct NativeWindow {
    std::unique_ptr<ToolWindow, void (*)(ToolWindow*)> widget{nullptr, nullptr};
    WindowSpec spec;
    BuiltControls controls;
    bool shown_before = false;
  };

  NativeWindow* Find(WindowHandle window);
  void RunModalLoop(WindowHandle window);
  void SetOthersTakeFocus(WindowHandle modal, bool takes);
  QWidget* FindControl(WindowHandle window, int control_id);
  void PressEnter(WindowHandle window);
  void ApplyColours(WindowHandle window);
  // False where the picture does not decode.
  bool SetIcon(QWidget* widget, const PictureSpec& picture);

  // What QApplication is started with: it keeps them for the whole run.
  std::string program_name_;
  int argument_count_ = 1;
  std::array<char*, 2> arguments_;
  std::unique_ptr<QApplication> owned_application_;
  std::unique_ptr<InputBlocker> blocker_;
  std::map<WindowHandle, NativeWindow> windows_;
  // One icon per picture for the whole run. The platform caches the sizes it makes of an icon
  // under the icon's identity: a new icon at every opening of a window would leave a new set
  // of pixmaps in the application-wide cache each time.
  std::map<std::vector<std::uint8_t>, QIcon> icons_;
  WindowHandle next_handle_ = 1;
  std::vector<QEventLoop*> loops_;
  std::map<WindowHandle, QEventLoop*> modal_loops_;
  bool quit_requested_ = false;
  int exit_code_ = 0;
};

}  // namespace tessel::runtime::qt
