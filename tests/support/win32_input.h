#pragma once

#include "runtime/win32/win32_api.h"
#include "tests/support/test_surface.h"

namespace tessel::testing {

// Real input through SendInput: the system routes it as it would a user's, so a disabled or
// covered window gets nothing. The messages are queued when these return.
void SendMove(POINT screen);
void SendClick(POINT screen);
// A drag is a press, then a release elsewhere. The system routes each input to a window when
// it is queued, so the release must follow only once the window holds the mouse capture.
void SendPress(POINT screen);
void SendRelease(POINT screen);
void SendKey(Key key);

// A point of the window's frame where the system's hit test answers `area` (HTCLOSE,
// HTCAPTION, ...), searched along the middle of the title bar from `start_x` towards the
// left; false when there is none.
bool FindFramePoint(HWND window, LRESULT area, int start_x, POINT* found);

}  // namespace tessel::testing
