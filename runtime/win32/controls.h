#pragma once

#include "runtime/win32/form_window.h"

namespace tessel::runtime::win32 {

// Creates the form's controls with their stored geometry, fonts, colours, pictures, tool tips,
// stacking and tab order; fills form.controls. Stops at the first system call that fails, with
// its status; what was made stays with the form's window.
Status BuildControls(FormWindow& form);

// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);

}  // namespace tessel::runtime::win32
