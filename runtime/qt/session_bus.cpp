#include "runtime/qt/session_bus.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tessel::runtime::qt {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// A D-Bus address value: bytes outside its plain set are written %XX.
std::string AddressValue(const std::string& text) {
  std::string value;
  for (const unsigned char c : text) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                       std::string_view("-_/.\\*").find(c) != std::string_view::npos;
    if (plain) {
      value += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      value += escaped;
    }
  }
  return value;
}

}  // namespace

// Without an address, the D-Bus library looks for the session bus at its standard place in the
// user's runtime directory, and where none is there it starts one through the X server
// (dbus-launch), which stays until the X server goes. Naming the standard place ourselves keeps
// a running bus found as before and makes a missing one a bus Qt goes without.
void UseOnlyARunningSessionBus() {
  if (!Env("DBUS_SESSION_BUS_ADDRESS").empty()) return;
  std::string runtime_dir = Env("XDG_RUNTIME_DIR");
  if (runtime_dir.empty()) runtime_dir = "/run/user/" + std::to_string(getuid());
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + AddressValue(runtime_dir + "/bus")).c_str(),
         1);
}

}  // namespace tessel::runtime::qt
