// The test surface of the Win32 backend: everything read back from the window system, and real
// input through SendInput.
#include "tests/support/win32_test_surface.h"

#include <cstring>

#include "runtime/win32/controls.h"
#include "runtime/win32/text.h"
#include "tests/support/win32_input.h"

namespace tessel::testing {

// What is read back is the backend's own: its windows, by their names.
using namespace runtime;
using namespace runtime::win32;

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kTaskWindowClass[] = L"TesselTestTasks";
constexpr UINT kRunTask = WM_APP + 1;
constexpr UINT kFinishDrag = WM_APP + 2;

// The surface of the thread, for the hook that watches the system's move loop.
Win32TestSurface* current_surface = nullptr;
// The tool tip control copies at most this many characters, whatever buffer it is given.
constexpr size_t kToolTipTextSize = INFOTIPSIZE;

PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

std::string TextOf(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

bool HasClass(HWND hwnd, const wchar_t* name) {
  wchar_t class_name[64] = {};
  GetClassNameW(hwnd, class_name, 64);
  return std::wcscmp(class_name, name) == 0;
}

BOOL CALLBACK CollectMessageBox(HWND hwnd, LPARAM found) {
  if (HasClass(hwnd, kDialogClass) && IsWindowVisible(hwnd)) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
  }
  return TRUE;
}

// The thread's visible message boxes, front one first.
std::vector<HWND> VisibleMessageBoxes() {
  std::vector<HWND> boxes;
  EnumThreadWindows(GetCurrentThreadId(), CollectMessageBox, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

// A message box's text is its static control with text; its icon is a static without.
std::string MessageBoxText(HWND box) {
  std::string text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (HasClass(child, L"Static")) text += TextOf(child);
  }
  return text;
}

}  // namespace

Win32TestSurface::Win32TestSurface(Win32Backend& backend) : backend_(backend) {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = &Win32TestSurface::TaskWindowProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kTaskWindowClass;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
  task_window_ = CreateWindowExW(0, kTaskWindowClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(task_window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  current_surface = this;
  move_loop_hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &Win32TestSurface::WatchMoveLoop, nullptr,
                                      GetCurrentThreadId());
}

// System colours are the whole session's: a test's change goes with its surface.
Win32TestSurface::~Win32TestSurface() {
  for (const auto& [index, colour] : replaced_colours_) SetSysColors(1, &index, &colour);
  UnhookWindowsHookEx(move_loop_hook_);
  current_surface = nullptr;
  SetWindowLongPtrW(task_window_, GWLP_USERDATA, 0);
  ::DestroyWindow(task_window_);
}

// A posted message reaches our hidden window from every loop of the thread: the runtime's, and
// the system's own loops of message boxes.
void Win32TestSurface::Post(std::function<void()> task) {
  tasks_.push_back(std::move(task));
  PostMessageW(task_window_, kRunTask, 0, 0);
}

// While the system's title-bar drag loop runs, tasks wait: that loop takes posted messages
// ahead of the mouse input that ends it.
void Win32TestSurface::RunNextTask() {
  if (in_move_loop_) {
    ++held_tasks_;
    return;
  }
  if (tasks_.empty()) return;
  std::function<void()> task = std::move(tasks_.front());
  tasks_.pop_front();
  task();
}

void Win32TestSurface::OnMoveLoop(bool running) {
  in_move_loop_ = running;
  // A test's drag lets go from inside the loop, once the window holds the mouse capture.
  if (running && drag_end_) PostMessageW(task_window_, kFinishDrag, 0, 0);
  if (running) return;
  for (; held_tasks_ > 0; --held_tasks_) PostMessageW(task_window_, kRunTask, 0, 0);
}

LRESULT CALLBACK Win32TestSurface::WatchMoveLoop(int code, WPARAM wparam, LPARAM lparam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && current_surface &&
      (message->message == WM_ENTERSIZEMOVE || message->message == WM_EXITSIZEMOVE)) {
    current_surface->OnMoveLoop(message->message == WM_ENTERSIZEMOVE);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK Win32TestSurface::TaskWindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                                  LPARAM lparam) {
  auto* surface = reinterpret_cast<Win32TestSurface*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == kRunTask && surface) {
    surface->RunNextTask();
    return 0;
  }
  if (message == WM_TIMER && surface) {
    KillTimer(hwnd, wparam);
    const auto it = surface->timed_tasks_.find(wparam);
    if (it == surface->timed_tasks_.end()) return 0;
    const std::function<void()> task = std::move(it->second);
    surface->timed_tasks_.erase(it);
    task();
    return 0;
  }
  if (message == kFinishDrag && surface && surface->drag_end_) {
    SendRelease(*surface->drag_end_);
    surface->drag_end_.reset();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void Win32TestSurface::After(int milliseconds, std::function<void()> task) {
  const UINT_PTR id = next_timer_++;
  timed_tasks_[id] = std::move(task);
  SetTimer(task_window_, id, static_cast<UINT>(milliseconds), nullptr);
}

std::uint64_t Win32TestSurface::NativeId(WindowHandle window) {
  return reinterpret_cast<std::uintptr_t>(backend_.FindHwnd(window));
}

PixelRect Win32TestSurface::ScreenSize() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

PixelRect Win32TestSurface::WindowFrame(WindowHandle window) {
  HWND hwnd = backend_.FindHwnd(window);
  RECT r{};
  if (hwnd) GetWindowRect(hwnd, &r);
  return ToPixelRect(r);
}

PixelRect Win32TestSurface::ClientArea(WindowHandle window) {
  HWND hwnd = backend_.FindHwnd(window);
  if (!hwnd) return {};
  RECT r;
  GetClientRect(hwnd, &r);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return ToPixelRect(r);
}

PixelRect Win32TestSurface::ControlRect(WindowHandle window, int control_id) {
  HWND control = backend_.FindControl(window, control_id);
  return control ? ToPixelRect(RectInParent(control)) : PixelRect{};
}

bool Win32TestSurface::IsVisible(WindowHandle window) {
  HWND hwnd = backend_.FindHwnd(window);
  return hwnd && IsWindowVisible(hwnd);
}

// What a window's place is, the system's own state says at once, for input as for reading.
std::string Win32TestSurface::Unsettled(WindowHandle window) {
  return IsVisible(window) ? "" : "hidden";
}

bool Win32TestSurface::IsEnabled(WindowHandle window) {
  HWND hwnd = backend_.FindHwnd(window);
  return hwnd && IsWindowEnabled(hwnd);
}

bool Win32TestSurface::IsActive(WindowHandle window) {
  HWND hwnd = backend_.FindHwnd(window);
  return hwnd && GetActiveWindow() == hwnd;
}

std::string Win32TestSurface::WindowCaption(WindowHandle window) {
  HWND hwnd = backend_.FindHwnd(window);
  return hwnd ? TextOf(hwnd) : std::string();
}

std::string Win32TestSurface::ControlCaption(WindowHandle window, int control_id) {
  FormWindow* form = backend_.Find(window);
  const ControlSpec* spec = form ? form->Spec(control_id) : nullptr;
  if (!spec || (spec->kind != ControlKind::kCommandButton && spec->kind != ControlKind::kLabel)) {
    return {};
  }
  return TextOf(form->Control(control_id));
}

std::string Win32TestSurface::ToolTip(WindowHandle window, int control_id) {
  FormWindow* form = backend_.Find(window);
  HWND control = form ? form->Control(control_id) : nullptr;
  if (!control || !form->tool_tips) return {};
  std::wstring text(kToolTipTextSize, L'\0');
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();
  SendMessageW(form->tool_tips, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
  text.resize(std::wcslen(text.c_str()));
  return Narrow(text);
}

// The tool tip control of the window it shows over tells which of its tools it shows.
std::string Win32TestSurface::ShownToolTip() {
  for (const WindowHandle handle : backend_.Windows()) {
    const FormWindow* form = backend_.Find(handle);
    if (!form->tool_tips || !IsWindowVisible(form->tool_tips)) continue;
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    if (!SendMessageW(form->tool_tips, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
      continue;
    }
    return ToolTip(handle, form->IdOf(reinterpret_cast<HWND>(tool.uId)));
  }
  return {};
}

// An inactive window's focus is the control that gets it back when the window is activated.
int Win32TestSurface::FocusedControl(WindowHandle window) {
  FormWindow* form = backend_.Find(window);
  if (!form) return 0;
  HWND focus = GetFocus();
  if (focus && IsChild(form->hwnd, focus)) return form->IdOf(focus);
  if (GetActiveWindow() != form->hwnd && form->saved_focus) return form->IdOf(form->saved_focus);
  return 0;
}

// What the window has painted, frame included, as it stands in the window's own surface.
Screenshot Win32TestSurface::Grab(WindowHandle window) {
  HWND hwnd = backend_.FindHwnd(window);
  if (!hwnd) return {};
  RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r;
  GetWindowRect(hwnd, &r);
  Screenshot shot{r.right - r.left, r.bottom - r.top, {}};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC window_dc = GetWindowDC(hwnd);
  HDC memory_dc = CreateCompatibleDC(window_dc);
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(memory_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory_dc, section);
  BitBlt(memory_dc, 0, 0, shot.width, shot.height, window_dc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  const size_t count = static_cast<size_t>(shot.width) * static_cast<size_t>(shot.height);
  shot.pixels.reserve(count);
  for (size_t i = 0; i < count; ++i) shot.pixels.push_back(pixels[i] | 0xFF000000u);
  SelectObject(memory_dc, previous);
  DeleteObject(section);
  DeleteDC(memory_dc);
  ReleaseDC(hwnd, window_dc);
  return shot;
}

HCURSOR Win32TestSurface::PointerAt(POINT screen) {
  SendMove(screen);
  PumpInput();
  return GetCursor();
}

// Over a free point of the client area and over the centre of every control.
bool Win32TestSurface::ShowsArrowPointer(WindowHandle window) {
  FormWindow* form = backend_.Find(window);
  if (!form) return false;
  const HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  POINT free_point{1, 1};
  if (ChildWindowFromPointEx(form->hwnd, free_point, CWP_SKIPINVISIBLE) != form->hwnd) return false;
  ClientToScreen(form->hwnd, &free_point);
  if (PointerAt(free_point) != arrow) return false;
  for (const auto& [id, control] : form->controls) {
    RECT r;
    GetWindowRect(control, &r);
    if (PointerAt(POINT{(r.left + r.right - 1) / 2, (r.top + r.bottom - 1) / 2}) != arrow) {
      return false;
    }
  }
  return true;
}

void Win32TestSurface::PumpInput() {
  MSG message;
  while (!backend_.quit_requested() &&
         PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) {
    backend_.Route(message);
  }
}

void Win32TestSurface::Click(WindowHandle window, int control_id) {
  HWND control = backend_.FindControl(window, control_id);
  if (!control) return;
  RECT r;
  GetWindowRect(control, &r);
  SendClick(POINT{(r.left + r.right - 1) / 2, (r.top + r.bottom - 1) / 2});
  PumpInput();
}

// Keys go where the system sends a user's: to the focus of the active window. A disabled
// window cannot be made active, so it gets none.
void Win32TestSurface::PressKey(WindowHandle window, Key key) {
  HWND hwnd = backend_.FindHwnd(window);
  if (!hwnd || !IsWindowEnabled(hwnd)) return;
  if (GetActiveWindow() != hwnd) SetForegroundWindow(hwnd);
  SendKey(key);
  PumpInput();
}

void Win32TestSurface::PressCloseBox(WindowHandle window) {
  HWND hwnd = backend_.FindHwnd(window);
  RECT r;
  POINT close_box;
  if (!hwnd || !GetWindowRect(hwnd, &r) ||
      !FindFramePoint(hwnd, HTCLOSE, r.right - 1, &close_box)) {
    return;
  }
  SendClick(close_box);
  PumpInput();
}

// What a task bar's close and Wine's answer to a window manager's close request send.
void Win32TestSurface::RequestClose(WindowHandle window) {
  if (HWND hwnd = backend_.FindHwnd(window)) PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Win32TestSurface::Hover(WindowHandle window, int control_id) {
  HWND control = backend_.FindControl(window, control_id);
  if (!control) return;
  RECT r;
  GetWindowRect(control, &r);
  // From a point next to the centre, so that the pointer moves even when it rests there already.
  const POINT centre{(r.left + r.right - 1) / 2, (r.top + r.bottom - 1) / 2};
  SendMove(POINT{centre.x + 1, centre.y + 1});
  SendMove(centre);
  PumpInput();
}

void Win32TestSurface::DragTitleBar(WindowHandle window, int dx, int dy) {
  HWND hwnd = backend_.FindHwnd(window);
  RECT r;
  POINT grip;
  if (!hwnd || !GetWindowRect(hwnd, &r) ||
      !FindFramePoint(hwnd, HTCAPTION, (r.left + r.right) / 2 - 20, &grip)) {
    return;
  }
  drag_end_ = POINT{grip.x + dx, grip.y + dy};
  SendPress(grip);
  PumpInput();  // the press starts the system's move loop, which takes the release
  if (drag_end_) {
    SendRelease(*drag_end_);  // no move loop started: the button still comes up
    drag_end_.reset();
    PumpInput();
  }
}

// The system colours are the session's: every window of every program follows the change,
// until the backend goes and puts the old colours back.
void Win32TestSurface::SetSystemColour(int index, std::uint32_t rgb) {
  replaced_colours_.try_emplace(index, GetSysColor(index));
  const COLORREF colour = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  SetSysColors(1, &index, &colour);
}

std::vector<std::string> Win32TestSurface::MessageBoxes() {
  std::vector<std::string> texts;
  for (HWND box : VisibleMessageBoxes()) texts.push_back(MessageBoxText(box));
  return texts;
}

void Win32TestSurface::DismissMessageBox() {
  const std::vector<HWND> boxes = VisibleMessageBoxes();
  if (boxes.empty()) return;
  if (HWND ok = GetDlgItem(boxes.front(), IDOK)) SendMessageW(ok, BM_CLICK, 0, 0);
}

std::unique_ptr<TestSurface> CreateTestSurface(Backend& backend) {
  return std::make_unique<Win32TestSurface>(dynamic_cast<Win32Backend&>(backend));
}

}  // namespace tessel::testing
