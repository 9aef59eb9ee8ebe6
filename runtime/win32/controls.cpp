#include "runtime/win32/controls.h"

#include <map>

#include "runtime/win32/picture.h"
#include "runtime/win32/system_status.h"
#include "runtime/win32/text.h"
#include "runtime/win32/text_extent.h"

namespace tessel::runtime::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

RECT ToRect(const PixelRect& r) { return RECT{r.x, r.y, r.x + r.width, r.y + r.height}; }

HMENU ChildId(const ControlSpec& spec) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstChildId + spec.id));
}

HWND MakeChild(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD ex_style,
               const ControlSpec& spec, HWND parent, RECT r) {
  return CreateWindowExW(ex_style, window_class, text.c_str(), kChild | style, r.left, r.top,
                         r.right - r.left, r.bottom - r.top, parent, ChildId(spec),
                         GetModuleHandleW(nullptr), nullptr);
}

// Null where GDI cannot measure the caption either.
HWND MakeButton(const ControlSpec& spec, bool is_default, HWND parent, RECT r, HFONT font) {
  const std::wstring caption = Widen(spec.caption);
  DWORD style = is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (spec.tab_stop) style |= WS_TABSTOP;
  const TextSize size = TextExtent(font, caption);
  if (Failed(size.status)) return nullptr;
  if (size.width > spec.wrap_width) style |= BS_MULTILINE;
  return MakeChild(L"BUTTON", caption, style, 0, spec, parent, r);
}

DWORD AlignmentStyle(Alignment alignment) {
  switch (alignment) {
    case Alignment::kRight:
      return SS_RIGHT;
    case Alignment::kCentre:
      return SS_CENTER;
    case Alignment::kLeft:
      break;
  }
  return SS_LEFT;
}

// A transparent label is painted after the siblings under it and leaves them showing. Its frame
// is the system's one-pixel border.
HWND MakeLabel(const ControlSpec& spec, HWND parent, RECT r) {
  DWORD style = SS_NOPREFIX | AlignmentStyle(spec.alignment);
  if (spec.edge.kind == EdgeKind::kLine) style |= WS_BORDER;
  const DWORD ex_style = spec.transparent ? WS_EX_TRANSPARENT : 0;
  return MakeChild(L"STATIC", Widen(spec.caption), style, ex_style, spec, parent, r);
}

// A static control takes its image's size when it gets one; it is put back to the runtime's.
// Null where the system makes no picture of the stored one, or cannot put it back.
HWND MakeImage(FormWindow& form, const ControlSpec& spec, HWND parent, RECT r) {
  const Picture picture = spec.picture ? DecodePicture(*spec.picture) : Picture{};
  if (spec.picture && picture.empty()) return nullptr;
  const DWORD style = picture.icon ? SS_ICON : SS_BITMAP;
  HWND image = MakeChild(L"STATIC", L"", style, 0, spec, parent, r);
  if (picture.bitmap) {
    form.gdi.Keep(picture.bitmap);
    SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.bitmap));
  } else if (picture.icon) {
    form.gdi.Keep(picture.icon);
    SendMessageW(image, STM_SETIMAGE, picture.cursor ? IMAGE_CURSOR : IMAGE_ICON,
                 reinterpret_cast<LPARAM>(picture.icon));
  }
  const bool placed = SetWindowPos(image, nullptr, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  return placed ? image : nullptr;
}

HWND MakeControl(FormWindow& form, const ControlSpec& spec, HWND parent, RECT r, HFONT font) {
  switch (spec.kind) {
    case ControlKind::kCommandButton:
      return MakeButton(spec, spec.id == form.spec.default_button, parent, r, font);
    case ControlKind::kLabel:
      return MakeLabel(spec, parent, r);
    case ControlKind::kImage:
      return MakeImage(form, spec, parent, r);
    case ControlKind::kPictureBox:
      return CreatePictureBox(form, spec, parent, r);
  }
  return nullptr;
}

// Each control goes behind the sibling before it; the dialog manager walks the tab stops from
// the front, so the stacking is the tab order too.
Status Stack(const FormWindow& form) {
  std::map<HWND, HWND> previous;  // by parent
  for (const int id : form.spec.front_to_back) {
    HWND control = form.Control(id);
    if (!control) continue;
    HWND parent = GetParent(control);
    const auto before = previous.find(parent);
    const Status stacked = Checked([&] {
      return SetWindowPos(control, before == previous.end() ? HWND_TOP : before->second, 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    });
    if (Failed(stacked)) return stacked;
    previous[parent] = control;
  }
  return kOk;
}

HWND MakeToolTips(HWND form) {
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

bool AddToolTip(HWND tool_tips, HWND control, const std::string& text) {
  std::wstring wide = Widen(text);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  // Transparent: a click on a showing tip falls through to the control under it.
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  return SendMessageW(tool_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

// One control with its font, default-button role and hint; the status of the system call that
// failed, where one did.
Status AddControl(FormWindow& form, const ControlSpec& c) {
  HWND parent = c.parent_id == 0 ? form.hwnd : form.Control(c.parent_id);
  if (!parent) return kInvalidArgument;
  HFONT font = nullptr;
  HWND control = nullptr;
  const Status made = Checked([&] {
    return (font = form.gdi.Font(c.font)) &&
           (control = MakeControl(form, c, parent, ToRect(c.rect), font));
  });
  if (Failed(made)) return made;
  form.controls[c.id] = control;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (c.id == form.spec.default_button) {
    // Enter presses it while the focus is on no other push button.
    SendMessageW(form.hwnd, DM_SETDEFID, kFirstChildId + c.id, 0);
  }
  if (c.tool_tip.empty()) return kOk;
  return Checked([&] {
    if (!form.tool_tips) form.tool_tips = MakeToolTips(form.hwnd);
    return form.tool_tips && AddToolTip(form.tool_tips, control, c.tool_tip);
  });
}

}  // namespace

RECT RectInParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

Status BuildControls(FormWindow& form) {
  for (const ControlSpec& c : form.spec.controls) {
    if (const Status added = AddControl(form, c); Failed(added)) return added;
  }
  return Stack(form);
}

}  // namespace tessel::runtime::win32
