// kwin_fake_input: a hand for KDE's compositor. Reads one command a line from its input and
// sends it through kwin's fake-input protocol, as a mouse and a keyboard would:
//   move X Y     the pointer to the screen point (X, Y)
//   press        the left button down        release   and up
//   keydown N    the key with evdev code N   keyup N   and up
// Answers "ok" once kwin has taken the request, so that the caller knows it is on its way.
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include "fake-input-client-protocol.h"

namespace {

constexpr std::uint32_t kLeftButton = 0x110;  // BTN_LEFT
constexpr std::uint32_t kReleased = 0;
constexpr std::uint32_t kPressed = 1;
// Absolute motion and keys came with the fourth version of the protocol.
constexpr std::uint32_t kVersion = 4;

org_kde_kwin_fake_input* fake_input = nullptr;

void OnGlobal(void*, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t version) {
  if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) != 0 || version < kVersion)
    return;
  fake_input = static_cast<org_kde_kwin_fake_input*>(
      wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, kVersion));
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

bool Send(const std::string& line) {
  std::istringstream words(line);
  std::string command;
  words >> command;
  if (command == "move") {
    double x = 0, y = 0;
    if (!(words >> x >> y)) return false;
    org_kde_kwin_fake_input_pointer_motion_absolute(fake_input, wl_fixed_from_double(x),
                                                    wl_fixed_from_double(y));
  } else if (command == "press" || command == "release") {
    org_kde_kwin_fake_input_button(fake_input, kLeftButton,
                                   command == "press" ? kPressed : kReleased);
  } else if (command == "keydown" || command == "keyup") {
    std::uint32_t code = 0;
    if (!(words >> code)) return false;
    org_kde_kwin_fake_input_keyboard_key(fake_input, code,
                                         command == "keydown" ? kPressed : kReleased);
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    std::fprintf(stderr, "kwin_fake_input: no Wayland display\n");
    return 1;
  }
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, nullptr);
  wl_display_roundtrip(display);
  if (!fake_input) {
    std::fprintf(stderr, "kwin_fake_input: the compositor offers no fake input (version %u)\n",
                 kVersion);
    return 1;
  }
  org_kde_kwin_fake_input_authenticate(fake_input, "tessel tests", "drives the desktop tests");
  std::string line;
  while (std::getline(std::cin, line)) {
    const bool sent = Send(line);
    if (wl_display_roundtrip(display) < 0) {
      std::fprintf(stderr, "kwin_fake_input: the compositor closed the connection\n");
      return 1;
    }
    std::cout << (sent ? "ok" : "unknown command") << std::endl;
  }
  wl_display_disconnect(display);
  return 0;
}
