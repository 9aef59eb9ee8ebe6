#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/x_display.h"

namespace tessel::testing {

// One piece of real input, placed by the title of the window it aims at, so that a replay finds
// the window wherever it stands then.
struct MonkeyEvent {
  enum class Kind { kClick, kDrag, kKey, kCloseRequest };
  Kind kind = Kind::kClick;
  std::string title;  // the window aimed at; empty for a key, which goes to the focus
  int x = 0;          // from the window's top-left corner
  int y = 0;
  int dx = 0;  // a drag's way
  int dy = 0;
  std::string key;  // "Tab", "Return", "space", "Escape", "AltF4"
};

inline MonkeyEvent Aimed(MonkeyEvent::Kind kind, std::string title, int x = 0, int y = 0) {
  MonkeyEvent event;
  event.kind = kind;
  event.title = std::move(title);
  event.x = x;
  event.y = y;
  return event;
}

// One line of an event log, and back; nullopt for a line that does not read.
std::string ToLine(const MonkeyEvent& event);
std::optional<MonkeyEvent> FromLine(const std::string& line);

// Random input biased to what a user aims at: buttons, title bars and close boxes, the keys
// that act on windows, drags by the title bar.
class MonkeyEventSource {
 public:
  explicit MonkeyEventSource(std::uint64_t seed) : random_(seed) {}
  // The next event for the windows on the screen; a key when there is no window.
  MonkeyEvent Next(const std::vector<XWindowInfo>& windows);

 private:
  int Between(int low, int high);  // both included
  MonkeyEvent Click(const XWindowInfo& window);

  std::mt19937_64 random_;
};

}  // namespace tessel::testing
