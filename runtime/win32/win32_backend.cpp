#include "runtime/win32/win32_backend.h"

#include "runtime/win32/controls.h"
#include "runtime/win32/system_status.h"
#include "runtime/win32/text.h"
#include "runtime/win32/text_extent.h"

namespace tessel::runtime::win32 {
namespace {

// What every window needs of the system: comctl32's classes (the tool tips) and our own. Asked
// once per process; every window creation answers as the first did.
Status WindowClassesReady() {
  static const Status ready = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    const Status common = Checked([&] { return InitCommonControlsEx(&controls); });
    return Failed(common) ? common : RegisterWindowClasses();
  }();
  return ready;
}

// A quit that ended a loop by its flag is still queued; it must not end the next loop.
void DiscardQuitMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

}  // namespace

Win32Backend::Win32Backend() = default;

Win32Backend::~Win32Backend() {
  for (auto& [handle, form] : windows_) {
    Detach(*form);
    ::DestroyWindow(form->hwnd);
  }
  windows_.clear();
  DiscardQuitMessages();
}

std::vector<WindowHandle> Win32Backend::Windows() const {
  std::vector<WindowHandle> handles;
  for (const auto& [handle, form] : windows_) handles.push_back(handle);
  return handles;
}

FormWindow* Win32Backend::Find(WindowHandle window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.get();
}

HWND Win32Backend::FindHwnd(WindowHandle window) {
  FormWindow* form = Find(window);
  return form ? form->hwnd : nullptr;
}

HWND Win32Backend::FindControl(WindowHandle window, int control_id) {
  FormWindow* form = Find(window);
  return form ? form->Control(control_id) : nullptr;
}

bool Win32Backend::IsForm(HWND hwnd) const {
  for (const auto& [handle, form] : windows_) {
    if (form->hwnd == hwnd) return true;
  }
  return false;
}

Status Win32Backend::CreateWindow(const WindowSpec& spec, WindowEvents& events,
                                  WindowHandle* window) {
  if (spec.client.width <= 0 || spec.client.height <= 0) return kInvalidArgument;
  if (const Status ready = WindowClassesReady(); Failed(ready)) return ready;
  const WindowHandle handle = next_handle_;
  auto form = std::make_unique<FormWindow>(handle, spec, events);
  // A window the system would not make whole is not shown at all.
  Status made = CreateFormWindow(*form);
  if (!Failed(made)) made = BuildControls(*form);
  if (Failed(made)) {
    Detach(*form);
    if (form->hwnd) ::DestroyWindow(form->hwnd);
    return made;
  }
  ++next_handle_;
  windows_[handle] = std::move(form);
  *window = handle;
  return kOk;
}

Status Win32Backend::MoveWindow(WindowHandle window, int left, int top) {
  HWND hwnd = FindHwnd(window);
  if (!hwnd) return kInvalidArgument;
  return Checked([&] {
    return SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  });
}

// A system that answers no metrics makes an empty screen, which the runtime does not centre on.
PixelRect Win32Backend::Screen() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Status Win32Backend::ShowWindow(WindowHandle window) {
  FormWindow* form = Find(window);
  if (!form) return kInvalidArgument;
  // ShowWindow answers whether the window was visible before, SetForegroundWindow whether the
  // system let the program take the foreground, which it may refuse by rule: neither fails.
  ::ShowWindow(form->hwnd, SW_SHOW);
  const Status raised = Checked(
      [&] { return SetWindowPos(form->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); });
  if (Failed(raised)) return raised;
  SetForegroundWindow(form->hwnd);
  if (!form->shown_before) {
    form->shown_before = true;
    // Through the dialog manager, so that a focused push button also becomes the default.
    if (HWND first =
            form->spec.tab_order.empty() ? nullptr : form->Control(form->spec.tab_order.front())) {
      SendMessageW(form->hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
  }
  return kOk;
}

// The owner keeps an owned window in front of it; the runtime has disabled the program's other
// windows, so this one alone takes input until it goes.
Status Win32Backend::ShowModal(WindowHandle window, WindowHandle owner) {
  HWND hwnd = FindHwnd(window);
  HWND owner_hwnd = FindHwnd(owner);
  if (!hwnd || !owner_hwnd || hwnd == owner_hwnd) return kInvalidArgument;
  // The old owner, none, is a zero answer too: only the error it leaves tells a failure.
  SetLastError(0);
  if (!SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_hwnd)) &&
      GetLastError() != 0) {
    return LastErrorStatus();
  }
  if (const Status status = ShowWindow(window); Failed(status)) return status;
  RunModalLoop(window);
  return kOk;
}

Status Win32Backend::SetWindowEnabled(WindowHandle window, bool enabled) {
  HWND hwnd = FindHwnd(window);
  if (!hwnd) return kInvalidArgument;
  EnableWindow(hwnd, enabled);
  return kOk;
}

// A modal window went while the runtime still kept the others disabled, so the system found no
// window to activate in its place; the runtime names the one that gets the activation back.
Status Win32Backend::ActivateWindow(WindowHandle window) {
  HWND hwnd = FindHwnd(window);
  if (!hwnd) return kInvalidArgument;
  SetForegroundWindow(hwnd);
  return kOk;
}

// The window may be going from inside its own button's click; the button's code after the
// click only touches its own (then destroyed) window, which the system allows.
Status Win32Backend::DestroyWindow(WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return kInvalidArgument;
  const std::unique_ptr<FormWindow> form = std::move(it->second);
  windows_.erase(it);
  Detach(*form);
  ::DestroyWindow(form->hwnd);
  return kOk;
}

Status Win32Backend::SetCaption(WindowHandle window, int control_id, std::string_view text,
                                const PixelRect& rect) {
  FormWindow* form = Find(window);
  const ControlSpec* spec = form ? form->Spec(control_id) : nullptr;
  HWND label = form ? form->Control(control_id) : nullptr;
  if (!spec || !label || spec->kind != ControlKind::kLabel) return kInvalidArgument;
  const RECT before = RectInParent(label);
  const Status set = Checked([&] {
    return SetWindowTextW(label, Widen(text).c_str()) &&
           SetWindowPos(label, nullptr, rect.x, rect.y, rect.width, rect.height,
                        SWP_NOZORDER | SWP_NOACTIVATE);
  });
  if (Failed(set)) return set;
  if (spec->transparent) {
    // Nothing of a transparent label clears its old text: the surface under it must.
    const RECT after = RectInParent(label);
    RECT both;
    UnionRect(&both, &before, &after);
    RedrawWindow(GetParent(label), &both, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  return kOk;
}

// GDI says nothing of why it makes no font.
TextSize Win32Backend::MeasureText(const ResolvedFont& font, std::string_view text) {
  HFONT measuring = measuring_fonts_.Font(font);
  return measuring ? TextExtent(measuring, Widen(text)) : TextSize{0, 0, kFailed};
}

bool Win32Backend::PumpOne() {
  MSG message;
  const BOOL got = GetMessageW(&message, nullptr, 0, 0);
  if (got == 0 && !quit_requested_) {
    quit_requested_ = true;
    exit_code_ = static_cast<int>(message.wParam);
  }
  if (got <= 0) return false;
  Route(message);
  return true;
}

void Win32Backend::Route(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && IsForm(root) && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int Win32Backend::RunEventLoop() {
  while (!quit_requested_ && PumpOne()) {
  }
  quit_requested_ = false;
  DiscardQuitMessages();
  return exit_code_;
}

// The quit message ends whichever loop is innermost, the system's message box loop included;
// our own loops also stop on the flag.
void Win32Backend::Quit(int exit_code) {
  quit_requested_ = true;
  exit_code_ = exit_code;
  PostQuitMessage(exit_code);
}

void Win32Backend::RunModalLoop(WindowHandle window) {
  while (!quit_requested_ && Find(window) && PumpOne()) {
  }
}

void Win32Backend::ShowErrorBox(std::string_view title, std::string_view text) {
  MessageBoxW(nullptr, Widen(text).c_str(), Widen(title).c_str(),
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace tessel::runtime::win32
