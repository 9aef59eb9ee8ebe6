#pragma once

#include <map>
#include <utility>
#include <vector>

#include "runtime/core/backend.h"
#include "runtime/core/window_spec.h"
#include "runtime/win32/gdi_store.h"
#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// Child window ids are control ids plus this, clear of IDOK and IDCANCEL, which a dialog's
// Enter and Esc keys send when no button is meant.
inline constexpr int kFirstChildId = 100;

inline constexpr wchar_t kFormClass[] = L"TesselForm";
inline constexpr wchar_t kPictureBoxClass[] = L"TesselPictureBox";

// One loaded window: its native window, its controls and everything they draw with.
struct FormWindow {
  FormWindow(WindowHandle handle_in, WindowSpec spec_in, WindowEvents& events_in)
      : handle(handle_in), spec(std::move(spec_in)), events(events_in) {}

  HWND Control(int control_id) const;
  const ControlSpec* Spec(int control_id) const;
  int IdOf(HWND child) const;         // 0 when the window is none of our controls
  std::vector<HWND> ReadOut() const;  // the controls a screen reader reads, in reading order

  WindowHandle handle;
  WindowSpec spec;
  WindowEvents& events;  // the runtime's, bound when the window was created
  GdiStore gdi;
  HWND hwnd = nullptr;
  HWND tool_tips = nullptr;
  std::map<int, HWND> controls;
  HWND saved_focus = nullptr;  // the focused control while the window is inactive
  bool shown_before = false;
};

// Registers the form and picture-box classes once per process; later calls answer as the first.
Status RegisterWindowClasses();

// A top-level tool window of the runtime's outer size, with its icon; the status of the system
// call that failed, where one did. The form keeps its pointer in the window; Detach takes it
// back before the window goes.
Status CreateFormWindow(FormWindow& form);
HWND CreatePictureBox(FormWindow& form, const ControlSpec& spec, HWND parent, RECT rect);
void Detach(FormWindow& form);

}  // namespace tessel::runtime::win32
