#pragma once

#include <set>
#include <string>

#include "tests/support/test_surface.h"
#include "tests/support/web_test_backend.h"

namespace tessel::testing {

// Reads back what the page's elements show, as the browser laid them out, and has the browser
// make real input (WebDriver's, through run_in_browser.py), as a user's would arrive. The test
// waits for the browser's answer, then takes the input the page queued ahead of posted tasks.
class WebTestSurface : public TestSurface {
 public:
  explicit WebTestSurface(TestWebBackend& backend);
  ~WebTestSurface() override;
  WebTestSurface(const WebTestSurface&) = delete;
  WebTestSurface& operator=(const WebTestSurface&) = delete;

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
  // Has the browser make the input the JSON request describes, then takes what it queued.
  void Drive(const std::string& request);

  TestWebBackend& backend_;
  std::set<int> changed_colours_;
};

}  // namespace tessel::testing
