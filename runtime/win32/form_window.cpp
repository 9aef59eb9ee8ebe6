#include "runtime/win32/form_window.h"

#include "runtime/win32/accessible.h"
#include "runtime/win32/picture.h"
#include "runtime/win32/system_status.h"
#include "runtime/win32/text.h"

namespace tessel::runtime::win32 {
namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kFormExStyle = WS_EX_TOOLWINDOW;

FormWindow* FormOf(HWND hwnd) {
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Attach(HWND hwnd, LPARAM create_struct) {
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(create_struct);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

Colour BackColourOf(const FormWindow& form, HWND surface) {
  if (surface == form.hwnd) return form.spec.back_colour;
  const ControlSpec* box = form.Spec(form.IdOf(surface));
  return box ? box->back_colour : form.spec.back_colour;
}

LRESULT Erase(FormWindow& form, HWND surface, HDC dc) {
  RECT client;
  GetClientRect(surface, &client);
  FillRect(dc, &client, form.gdi.Brush(BackColourOf(form, surface)));
  return 1;
}

// Labels paint in their own colours, or not at all behind a transparent one; an image's
// surroundings take the colour of the surface it lies on.
LRESULT StaticColours(FormWindow& form, HDC dc, HWND control) {
  const ControlSpec* spec = form.Spec(form.IdOf(control));
  if (!spec || spec->kind != ControlKind::kLabel) {
    return reinterpret_cast<LRESULT>(form.gdi.Brush(BackColourOf(form, GetParent(control))));
  }
  SetTextColor(dc, ToColorRef(spec->fore_colour));
  if (spec->transparent) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  SetBkColor(dc, ToColorRef(spec->back_colour));
  return reinterpret_cast<LRESULT>(form.gdi.Brush(spec->back_colour));
}

bool IsButtonClick(WPARAM wparam, LPARAM lparam) {
  return HIWORD(wparam) == BN_CLICKED && lparam != 0 && LOWORD(wparam) >= kFirstChildId;
}

// The form's window is a dialog of a private class, so that the system's dialog manager gives
// it the keyboard interface of a dialog: Tab order, default button, Enter and Space.
LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) Attach(hwnd, lparam);
  FormWindow* form = FormOf(hwnd);
  if (!form) return DefDlgProcW(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_COMMAND:
      // The handler may unload this very window; nothing of the form is touched after it.
      if (IsButtonClick(wparam, lparam)) form->events.OnClick(LOWORD(wparam) - kFirstChildId);
      return 0;
    case WM_CLOSE:
      // The runtime decides whether the window goes; the close box only reports.
      form->events.OnCloseRequest();
      return 0;
    case WM_ERASEBKGND:
      return Erase(*form, hwnd, reinterpret_cast<HDC>(wparam));
    case WM_CTLCOLORSTATIC:
      return StaticColours(*form, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) form->saved_focus = focus;
      }
      break;
    case WM_GETOBJECT:
      if (const LRESULT answer = AnswerGetObject(hwnd, form->ReadOut(), wparam, lparam)) {
        return answer;
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefDlgProcW(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) Attach(hwnd, lparam);
  FormWindow* form = FormOf(hwnd);
  if (form) {
    switch (message) {
      case WM_ERASEBKGND:
        return Erase(*form, hwnd, reinterpret_cast<HDC>(wparam));
      case WM_CTLCOLORSTATIC:
        return StaticColours(*form, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
      case WM_COMMAND:
        return SendMessageW(form->hwnd, message, wparam, lparam);
      case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

Status Register(const wchar_t* name, WNDPROC proc, int extra) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = proc;
  window_class.cbWndExtra = extra;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.lpszClassName = name;
  return Checked([&] { return RegisterClassExW(&window_class); });
}

}  // namespace

HWND FormWindow::Control(int control_id) const {
  const auto it = controls.find(control_id);
  return it == controls.end() ? nullptr : it->second;
}

const ControlSpec* FormWindow::Spec(int control_id) const {
  for (const ControlSpec& c : spec.controls) {
    if (c.id == control_id) return &c;
  }
  return nullptr;
}

std::vector<HWND> FormWindow::ReadOut() const {
  std::vector<HWND> read;
  for (const int id : spec.reading_order) {
    if (HWND control = Control(id)) read.push_back(control);
  }
  return read;
}

int FormWindow::IdOf(HWND child) const {
  for (const auto& [id, control] : controls) {
    if (control == child) return id;
  }
  return 0;
}

Status RegisterWindowClasses() {
  static const Status registered = [] {
    const Status form = Register(kFormClass, FormProc, DLGWINDOWEXTRA);
    return Failed(form) ? form : Register(kPictureBoxClass, PictureBoxProc, 0);
  }();
  return registered;
}

namespace {

// For the task switcher and the window list; a tool window's title bar shows no icon. A bitmap
// is no window icon and is left out.
Status SetIcon(FormWindow& form) {
  if (!form.spec.icon || form.spec.icon->kind == PictureKind::kBitmap) return kOk;
  Picture icon;
  if (const Status status = Checked([&] { return (icon = DecodePicture(*form.spec.icon)).icon; });
      Failed(status)) {
    return status;
  }
  form.gdi.Keep(icon.icon);
  SendMessageW(form.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.icon));
  SendMessageW(form.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.icon));
  return kOk;
}

}  // namespace

// The outer size is the runtime's; with the system's classic metrics for a tool window's frame (a
// 3-pixel border, a small caption of 15 and its line) the client area comes out as stored.
Status CreateFormWindow(FormWindow& form) {
  const PixelRect outer = OuterSize(form.spec);
  const std::wstring caption = Widen(form.spec.caption);
  const Status created = Checked([&] {
    return form.hwnd = CreateWindowExW(kFormExStyle, kFormClass, caption.c_str(), kFormStyle, 0, 0,
                                       outer.width, outer.height, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), &form);
  });
  return Failed(created) ? created : SetIcon(form);
}

HWND CreatePictureBox(FormWindow& form, const ControlSpec& spec, HWND parent, RECT rect) {
  // The system's client edge is the two-pixel sunken edge the runtime settles.
  const DWORD ex_style = spec.edge.kind == EdgeKind::kSunken ? WS_EX_CLIENTEDGE : 0;
  return CreateWindowExW(ex_style, kPictureBoxClass, nullptr,
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstChildId + spec.id)),
                         GetModuleHandleW(nullptr), &form);
}

void Detach(FormWindow& form) {
  for (const auto& [id, control] : form.controls) {
    if (FormOf(control) == &form) SetWindowLongPtrW(control, GWLP_USERDATA, 0);
  }
  if (form.hwnd) SetWindowLongPtrW(form.hwnd, GWLP_USERDATA, 0);
}

}  // namespace tessel::runtime::win32
