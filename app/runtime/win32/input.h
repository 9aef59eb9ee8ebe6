#pragma once

#include "app/runtime/test_surface.h"
#include "app/runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// Real input through SendInput: the system routes it as it would a user's, so a disabled or
// covered window gets nothing. The messages are queued when these return.
void SendClick(POINT screen);
void SendDrag(POINT from, POINT to);
void SendKey(Key key);

// A point of the window's frame where the system's hit test answers `area` (HTCLOSE,
// HTCAPTION, ...), searched along the middle of the title bar from `start_x` towards the
// left; false when there is none.
bool FindFramePoint(HWND window, LRESULT area, int start_x, POINT* found);

}  // namespace tessel::runtime::win32
