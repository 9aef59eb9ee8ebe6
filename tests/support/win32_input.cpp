#include "tests/support/win32_input.h"

#include <vector>

namespace tessel::testing {
namespace {

// Absolute mouse coordinates run from 0 to 65535 across the primary screen; rounding up lands
// the pointer on the intended pixel.
INPUT MouseAt(POINT screen, DWORD flags) {
  const LONG width = GetSystemMetrics(SM_CXSCREEN);
  const LONG height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (screen.x * 65536 + width - 1) / width;
  input.mi.dy = (screen.y * 65536 + height - 1) / height;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

WORD VirtualKey(Key key) {
  switch (key) {
    case Key::kTab:
    case Key::kBacktab:
      return VK_TAB;
    case Key::kEnter:
      return VK_RETURN;
    case Key::kSpace:
      return VK_SPACE;
    case Key::kEscape:
      return VK_ESCAPE;
    case Key::kAltF4:
      return VK_F4;
  }
  return 0;
}

}  // namespace

void SendMove(POINT screen) { Send({MouseAt(screen, 0)}); }

void SendClick(POINT screen) {
  Send({MouseAt(screen, 0), MouseAt(screen, MOUSEEVENTF_LEFTDOWN),
        MouseAt(screen, MOUSEEVENTF_LEFTUP)});
}

void SendPress(POINT screen) { Send({MouseAt(screen, 0), MouseAt(screen, MOUSEEVENTF_LEFTDOWN)}); }

void SendRelease(POINT screen) { Send({MouseAt(screen, 0), MouseAt(screen, MOUSEEVENTF_LEFTUP)}); }

void SendKey(Key key) {
  const WORD virtual_key = VirtualKey(key);
  if (key == Key::kBacktab || key == Key::kAltF4) {
    const WORD modifier = key == Key::kBacktab ? VK_SHIFT : VK_MENU;
    Send({KeyInput(modifier, false), KeyInput(virtual_key, false), KeyInput(virtual_key, true),
          KeyInput(modifier, true)});
  } else {
    Send({KeyInput(virtual_key, false), KeyInput(virtual_key, true)});
  }
}

bool FindFramePoint(HWND window, LRESULT area, int start_x, POINT* found) {
  RECT outer;
  GetWindowRect(window, &outer);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int y = (outer.top + client.y) / 2;
  int right = -1;
  for (int x = start_x; x >= outer.left; --x) {
    const bool hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == area;
    if (hit && right < 0) right = x;
    if (right >= 0 && (!hit || x == outer.left)) {
      *found = POINT{(x + right + (hit ? 0 : 1)) / 2, y};
      return true;
    }
  }
  return false;
}

}  // namespace tessel::testing
