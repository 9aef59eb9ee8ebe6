#include "runtime/win32/win32_backend.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/win32_test_surface.h"

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
  spec.tab_order = {1};
  spec.front_to_back = {1};
  spec.reading_order = {1};
  return spec;
}

// What one window reported.
struct Recorder : WindowEvents {
  void OnClick(int control_id) override { clicks.push_back(control_id); }
  void OnCloseRequest() override { ++close_requests; }
  std::vector<int> clicks;
  int close_requests = 0;
};

// A backend with its test surface; every window reports to its own recorder.
struct Desk {
  WindowHandle Open(const char* caption) {
    WindowHandle window = 0;
    EXPECT_EQ(backend.CreateWindow(SmallWindow(caption), events[caption], &window), kOk);
    backend.MoveWindow(window, 100, 100);
    backend.ShowWindow(window);
    return window;
  }

  Win32Backend backend;
  testing::Win32TestSurface surface{backend};
  std::map<std::string, Recorder> events;
};

// The runtime unloads a modal window before it enables the others again, so the system finds no
// window to activate; the one the runtime names afterwards is activated.
TEST(Win32Backend, ActivatesTheWindowTheRuntimeNamesAfterAModalWindowWent) {
  Desk desk;
  const WindowHandle start = desk.Open("start");
  const WindowHandle modal = desk.Open("modal");
  desk.backend.SetWindowEnabled(start, false);
  EXPECT_TRUE(desk.surface.IsActive(modal));
  desk.backend.DestroyWindow(modal);
  desk.backend.SetWindowEnabled(start, true);
  EXPECT_EQ(desk.backend.ActivateWindow(start), kOk);
  EXPECT_TRUE(desk.surface.IsActive(start));
}

Win32Backend* quitting_backend = nullptr;

void CALLBACK QuitWithFive(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  quitting_backend->Quit(5);
}

// Quit from a nested loop ends every loop with its code, and leaves nothing behind that would
// end the next loop as soon as its queue runs dry.
TEST(Win32Backend, QuitEndsNestedLoopsAndLeavesNoQuitBehind) {
  Desk desk;
  Win32Backend& backend = desk.backend;
  const WindowHandle owner = desk.Open("owner");
  WindowHandle window = 0;
  ASSERT_EQ(backend.CreateWindow(SmallWindow("modal"), desk.events["modal"], &window), kOk);
  bool modal_loop_ended = false;
  desk.surface.Post([&] {
    backend.ShowModal(window, owner);
    modal_loop_ended = true;
  });
  desk.surface.Post([&] { backend.Quit(3); });
  EXPECT_EQ(backend.RunEventLoop(), 3);
  EXPECT_TRUE(modal_loop_ended);
  quitting_backend = &backend;
  SetTimer(nullptr, 0, 20, QuitWithFive);
  EXPECT_EQ(backend.RunEventLoop(), 5);
}

// A program that quits while its error box is up must not hang in the box's own loop.
TEST(Win32Backend, QuitEndsAnOpenMessageBox) {
  const std::string text = "Laufzeitfehler: \u00FCbergelaufen";
  Desk desk;
  std::vector<std::string> open_boxes;
  desk.surface.Post([&] {
    desk.surface.Post([&] {
      open_boxes = desk.surface.MessageBoxes();
      desk.backend.Quit(7);
    });
    desk.backend.ShowErrorBox("Tessel", text);
  });
  EXPECT_EQ(desk.backend.RunEventLoop(), 7);
  EXPECT_EQ(open_boxes, std::vector<std::string>{text});
  EXPECT_TRUE(desk.surface.MessageBoxes().empty());
}

// What Active Accessibility reads of a form's client area.
struct AccessibleRead {
  long role = 0;
  std::wstring name;
  long children = -1;
  std::vector<std::wstring> child_names;
};

std::wstring NameOf(IAccessible* acc) {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text;
  if (SUCCEEDED(acc->get_accName(self, &name)) && name) {
    text = name;
    SysFreeString(name);
  }
  return text;
}

AccessibleRead ReadAccessible(HWND hwnd) {
  AccessibleRead read;
  IAccessible* acc = nullptr;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&acc)))) {
    return read;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role{};
  if (SUCCEEDED(acc->get_accRole(self, &role)) && role.vt == VT_I4) read.role = role.lVal;
  BSTR name = nullptr;
  if (SUCCEEDED(acc->get_accName(self, &name)) && name) {
    read.name = name;
    SysFreeString(name);
  }
  acc->get_accChildCount(&read.children);
  for (long i = 1; i <= read.children; ++i) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = i;
    IDispatch* dispatch = nullptr;
    IAccessible* child_acc = nullptr;
    if (SUCCEEDED(acc->get_accChild(child, &dispatch)) && dispatch &&
        SUCCEEDED(
            dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&child_acc)))) {
      read.child_names.push_back(NameOf(child_acc));
      child_acc->Release();
    }
    if (dispatch) dispatch->Release();
  }
  acc->Release();
  return read;
}

// A form reads as a client area named by its caption, with its button; shown modally it reads
// as a dialog, as the system's own dialog boxes do. Its children come in the runtime's reading
// order, not in the order the system stacks them.
TEST(Win32Backend, AccessibleFormIsNamedByItsCaptionAndADialogWhileModal) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  Desk desk;
  Win32Backend& backend = desk.backend;
  const WindowHandle owner = desk.Open("Tessel");
  WindowSpec about = SmallWindow("About ...");
  ControlSpec label;
  label.id = 2;
  label.name = "Label";
  label.rect = {10, 35, 60, 13};
  label.caption = "Tessel 98";
  about.controls.push_back(label);
  about.front_to_back = {1, 2};
  about.reading_order = {2, 1};
  WindowHandle window = 0;
  ASSERT_EQ(backend.CreateWindow(about, desk.events["About ..."], &window), kOk);
  const auto hwnd = [&](WindowHandle w) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(desk.surface.NativeId(w)));
  };
  const AccessibleRead modeless = ReadAccessible(hwnd(owner));
  AccessibleRead modal;
  desk.surface.Post([&] { backend.ShowModal(window, owner); });
  desk.surface.Post([&] {
    modal = ReadAccessible(hwnd(window));
    backend.DestroyWindow(window);
    backend.Quit(0);
  });
  EXPECT_EQ(backend.RunEventLoop(), 0);
  CoUninitialize();

  EXPECT_EQ(modeless.role, ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(modeless.name, L"Tessel");
  EXPECT_GE(modeless.children, 1);  // the button; the system may count its own parts too
  EXPECT_EQ(modal.role, ROLE_SYSTEM_DIALOG);
  EXPECT_EQ(modal.name, L"About ...");
  EXPECT_EQ(modal.child_names, (std::vector<std::wstring>{L"Tessel 98", L"OK"}));
}

// The system's own move loop takes the drag; the window ends up moved by the pointer's path.
TEST(Win32Backend, DraggingTheTitleBarMovesTheWindowByThePointersPath) {
  Desk desk;
  const WindowHandle window = desk.Open("dragged");
  const PixelRect before = desk.surface.WindowFrame(window);
  ASSERT_EQ(before.x, 100);
  desk.surface.DragTitleBar(window, 37, -21);
  const PixelRect after = desk.surface.WindowFrame(window);
  EXPECT_EQ(after, (PixelRect{137, 79, before.width, before.height}));
}

// The close box only reports; a disabled window's close box cannot be pressed at all.
TEST(Win32Backend, CloseBoxReportsAndLeavesTheWindowToTheRuntime) {
  Desk desk;
  const WindowHandle window = desk.Open("closing");
  const Recorder& recorder = desk.events["closing"];
  desk.surface.PressCloseBox(window);
  EXPECT_EQ(recorder.close_requests, 1);
  EXPECT_TRUE(desk.surface.IsVisible(window));
  // What other programs send reports the same way.
  SendMessageW(reinterpret_cast<HWND>(desk.surface.NativeId(window)), WM_CLOSE, 0, 0);
  EXPECT_EQ(recorder.close_requests, 2);
  EXPECT_TRUE(desk.surface.IsVisible(window));
  desk.backend.SetWindowEnabled(window, false);
  desk.surface.PressCloseBox(window);
  desk.surface.Click(window, 1);
  EXPECT_EQ(recorder.close_requests, 2);
  EXPECT_TRUE(recorder.clicks.empty());
  desk.backend.SetWindowEnabled(window, true);
  desk.surface.Click(window, 1);
  EXPECT_EQ(recorder.clicks, std::vector<int>{1});
}

}  // namespace
}  // namespace tessel::runtime::win32
