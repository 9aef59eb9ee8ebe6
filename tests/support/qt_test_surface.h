#pragma once

#include <QObject>

#include "runtime/qt/qt_backend.h"
#include "tests/support/test_surface.h"

namespace tessel::testing {

// Reads back what the Qt backend's widgets really show and sends input into them.
class QtTestSurface : public TestSurface {
 public:
  explicit QtTestSurface(runtime::qt::QtBackend& backend);

  void Post(std::function<void()> task) override;
  void After(int milliseconds, std::function<void()> task) override;
  std::uint64_t NativeId(WindowHandle window) override;
  PixelRect ScreenSize() override;
  PixelRect WindowFrame(WindowHandle window) override;
  PixelRect ClientArea(WindowHandle window) override;
  PixelRect ControlRect(WindowHandle window, int control_id) override;
  bool IsVisible(WindowHandle window) override;
  std::string Unsettled(WindowHandle window) override;
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
  runtime::qt::QtBackend& backend_;
  QObject timers_;  // what Post and After wait for goes with the surface
};

}  // namespace tessel::testing
