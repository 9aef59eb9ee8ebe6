#pragma once

#include <vector>

#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// The answer to WM_GETOBJECT for a form: what Active Accessibility makes of any window's client
// area (its name the caption), except that its children are the controls `read_out`, in that
// order and wherever they lie, and that a form shown modally is a dialog, as the system's own
// dialog boxes are. Forms are of a class of ours, which Active Accessibility takes for a plain
// client area. Returns 0 for every other object, which leaves it to DefDlgProc.
LRESULT AnswerGetObject(HWND form, std::vector<HWND> read_out, WPARAM wparam, LPARAM lparam);

}  // namespace tessel::runtime::win32
