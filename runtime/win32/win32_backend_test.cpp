#include "runtime/win32/win32_backend.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessel::runtime::win32 {
namespace {

// A 100 x 50 pixel tool window with one push button, placed at (100, 100).
WindowSpec SmallWindow(const char* caption) {
  WindowSpec spec;
  spec.caption = caption;
  spec.client = {3, 19, 100, 50};
  ControlSpec button;
  button.id = 1;
  button.name = "Button";
  button.kind = ControlKind::kCommandButton;
  button.rect = {10, 10, 60, 21};
  button.caption = "OK";
  button.tab_stop = true;
  spec.controls.push_back(button);
  return spec;
}

WindowHandle Open(Win32Backend& backend, const char* caption) {
  WindowHandle window = 0;
  EXPECT_EQ(backend.CreateWindow(SmallWindow(caption), &window), kOk);
  backend.MoveWindow(window, 100, 100);
  backend.ShowWindow(window);
  return window;
}

struct Recorder : EventSink {
  void OnClick(WindowHandle window, int control_id) override {
    clicks.push_back({window, control_id});
  }
  void OnCloseBox(WindowHandle window) override { close_boxes.push_back(window); }
  std::vector<std::pair<WindowHandle, int>> clicks;
  std::vector<WindowHandle> close_boxes;
};

// The runtime unloads a modal window before it enables the others again; the window it was
// opened from must still end up active, as a dialog's owner does.
TEST(Win32Backend, ActivationGoesBackToWhereAModalWindowWasOpenedFrom) {
  Win32Backend backend;
  const WindowHandle start = Open(backend, "start");
  const WindowHandle modal = Open(backend, "modal");
  backend.SetWindowEnabled(start, false);
  EXPECT_TRUE(backend.IsActive(modal));
  backend.DestroyWindow(modal);
  backend.SetWindowEnabled(start, true);
  EXPECT_TRUE(backend.IsActive(start));
}

Win32Backend* quitting_backend = nullptr;

void CALLBACK QuitWithFive(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  quitting_backend->Quit(5);
}

// Quit from a nested loop ends every loop with its code, and leaves nothing behind that would
// end the next loop as soon as its queue runs dry.
TEST(Win32Backend, QuitEndsNestedLoopsAndLeavesNoQuitBehind) {
  Win32Backend backend;
  const WindowHandle owner = Open(backend, "owner");
  WindowHandle window = 0;
  ASSERT_EQ(backend.CreateWindow(SmallWindow("modal"), &window), kOk);
  bool modal_loop_ended = false;
  backend.Post([&] {
    backend.ShowModal(window, owner);
    modal_loop_ended = true;
  });
  backend.Post([&] { backend.Quit(3); });
  EXPECT_EQ(backend.RunEventLoop(), 3);
  EXPECT_TRUE(modal_loop_ended);
  quitting_backend = &backend;
  SetTimer(nullptr, 0, 20, QuitWithFive);
  EXPECT_EQ(backend.RunEventLoop(), 5);
}

// A program that quits while its error box is up must not hang in the box's own loop.
TEST(Win32Backend, QuitEndsAnOpenMessageBox) {
  const std::string text = "Laufzeitfehler: \u00FCbergelaufen";
  Win32Backend backend;
  std::vector<std::string> open_boxes;
  backend.Post([&] {
    backend.Post([&] {
      open_boxes = backend.MessageBoxes();
      backend.Quit(7);
    });
    backend.ShowErrorBox("Tessel", text);
  });
  EXPECT_EQ(backend.RunEventLoop(), 7);
  EXPECT_EQ(open_boxes, std::vector<std::string>{text});
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

// The system's own move loop takes the drag; the window ends up moved by the pointer's path.
TEST(Win32Backend, DraggingTheTitleBarMovesTheWindowByThePointersPath) {
  Win32Backend backend;
  const WindowHandle window = Open(backend, "dragged");
  const PixelRect before = backend.WindowFrame(window);
  ASSERT_EQ(before.x, 100);
  backend.DragTitleBar(window, 37, -21);
  const PixelRect after = backend.WindowFrame(window);
  EXPECT_EQ(after, (PixelRect{137, 79, before.width, before.height}));
}

// The close box only reports; a disabled window's close box cannot be pressed at all.
TEST(Win32Backend, CloseBoxReportsAndLeavesTheWindowToTheRuntime) {
  Win32Backend backend;
  Recorder recorder;
  backend.SetEventSink(&recorder);
  const WindowHandle window = Open(backend, "closing");
  backend.PressCloseBox(window);
  EXPECT_EQ(recorder.close_boxes, std::vector<WindowHandle>{window});
  EXPECT_TRUE(backend.IsVisible(window));
  // What other programs send reports the same way.
  SendMessageW(reinterpret_cast<HWND>(backend.NativeId(window)), WM_CLOSE, 0, 0);
  EXPECT_EQ(recorder.close_boxes, (std::vector<WindowHandle>{window, window}));
  EXPECT_TRUE(backend.IsVisible(window));
  backend.SetWindowEnabled(window, false);
  backend.PressCloseBox(window);
  backend.Click(window, 1);
  EXPECT_EQ(recorder.close_boxes.size(), 2u);
  EXPECT_TRUE(recorder.clicks.empty());
  backend.SetWindowEnabled(window, true);
  backend.Click(window, 1);
  EXPECT_EQ(recorder.clicks, (std::vector<std::pair<WindowHandle, int>>{{window, 1}}));
  backend.SetEventSink(nullptr);
}

// Under Wine the system colours belong to the whole session, so a test that changes them must
// not leave them changed for the programs and tests after it.
TEST(Win32Backend, PutsBackTheSystemColoursATestChanged) {
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  {
    Win32Backend backend;
    backend.test_surface().SetSystemColour(COLOR_WINDOW, 0x123456);
    backend.test_surface().SetSystemColour(COLOR_WINDOW, 0x654321);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(0x65, 0x43, 0x21));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), face);
  }
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), window);
}

}  // namespace
}  // namespace tessel::runtime::win32
