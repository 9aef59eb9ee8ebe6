#include "tests/monkey/monkey_events.h"

#include <array>
#include <sstream>

namespace tessel::testing {
namespace {

struct Rect {
  int x, y, width, height;
};

// The buttons of each window, in pixels from the client area's top-left corner, which lies 3
// pixels in and 19 down from the window's.
struct WindowButtons {
  const char* title;
  std::vector<Rect> buttons;
};

const std::array<WindowButtons, 4> kButtons{{
    {"Tessel 98   V1.1   (29.05.1998)",
     {{4, 4, 100, 21}, {104, 4, 108, 21}, {212, 4, 100, 21}, {332, 4, 64, 21}}},
    {"6er Tessel", {{84, 4, 81, 110}, {84, 120, 81, 21}}},
    {"20er Tessel", {{140, 4, 81, 110}, {140, 120, 81, 21}}},
    {"About ...", {{8, 112, 87, 21}}},
}};

// The start window ends the program when it goes, which starts the run over; it goes less
// often than the others, so that the run spends its events on open windows.
bool Spares(const XWindowInfo& window) { return window.title == kButtons[0].title; }

constexpr int kClientLeft = 3;
constexpr int kClientTop = 19;

const char* KindName(MonkeyEvent::Kind kind) {
  switch (kind) {
    case MonkeyEvent::Kind::kClick:
      return "click";
    case MonkeyEvent::Kind::kDrag:
      return "drag";
    case MonkeyEvent::Kind::kKey:
      return "key";
    case MonkeyEvent::Kind::kCloseRequest:
      return "close";
  }
  return "?";
}

}  // namespace

// click|drag|key|close <x> <y> <dx> <dy> <key or -> <title to the end of the line>
std::string ToLine(const MonkeyEvent& event) {
  std::ostringstream line;
  line << KindName(event.kind) << ' ' << event.x << ' ' << event.y << ' ' << event.dx << ' '
       << event.dy << ' ' << (event.key.empty() ? "-" : event.key) << ' ' << event.title;
  return line.str();
}

std::optional<MonkeyEvent> FromLine(const std::string& line) {
  std::istringstream in(line);
  std::string kind, key;
  MonkeyEvent event;
  if (!(in >> kind >> event.x >> event.y >> event.dx >> event.dy >> key)) return std::nullopt;
  if (kind == "click") {
    event.kind = MonkeyEvent::Kind::kClick;
  } else if (kind == "drag") {
    event.kind = MonkeyEvent::Kind::kDrag;
  } else if (kind == "key") {
    event.kind = MonkeyEvent::Kind::kKey;
  } else if (kind == "close") {
    event.kind = MonkeyEvent::Kind::kCloseRequest;
  } else {
    return std::nullopt;
  }
  event.key = key == "-" ? "" : key;
  std::getline(in >> std::ws, event.title);
  return event;
}

int MonkeyEventSource::Between(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random_);
}

MonkeyEvent MonkeyEventSource::Click(const XWindowInfo& window) {
  MonkeyEvent event = Aimed(MonkeyEvent::Kind::kClick, window.title);
  int choice = Between(0, 99);
  if (Spares(window) && choice >= 75 && choice < 88 && Between(0, 7) != 0) choice = 0;
  if (choice < 60) {  // a button of the window
    for (const WindowButtons& known : kButtons) {
      if (window.title != known.title) continue;
      auto index = static_cast<size_t>(Between(0, static_cast<int>(known.buttons.size()) - 1));
      if (Spares(window) && index == 2 && Between(0, 7) != 0) index = 0;  // "Beenden"
      const Rect& b = known.buttons[index];
      event.x = kClientLeft + b.x + Between(2, b.width - 3);
      event.y = kClientTop + b.y + Between(2, b.height - 3);
      return event;
    }
  }
  if (choice < 75) {  // the title bar
    event.x = Between(4, window.width - 20);
    event.y = Between(4, 17);
  } else if (choice < 88) {  // the close box at the title bar's right end
    event.x = window.width - 11 + Between(-2, 2);
    event.y = 10 + Between(-2, 2);
  } else {  // anywhere
    event.x = Between(0, window.width - 1);
    event.y = Between(0, window.height - 1);
  }
  return event;
}

MonkeyEvent MonkeyEventSource::Next(const std::vector<XWindowInfo>& windows) {
  const int choice = Between(0, 99);
  if (windows.empty() || choice >= 80) {
    static const char* const kKeys[] = {"Tab",   "Tab",   "Tab",    "Return", "Return",
                                        "space", "space", "Escape", "AltF4"};
    MonkeyEvent event = Aimed(MonkeyEvent::Kind::kKey, "");
    event.key = kKeys[Between(0, 8)];
    return event;
  }
  const XWindowInfo& window =
      windows[static_cast<size_t>(Between(0, static_cast<int>(windows.size()) - 1))];
  if (choice < 68) return Click(window);
  if (choice < 76) {
    MonkeyEvent event = Aimed(MonkeyEvent::Kind::kDrag, window.title, Between(4, window.width - 20),
                              Between(4, 17));
    event.dx = Between(-60, 60);
    event.dy = Between(-60, 60);
    return event;
  }
  if (Spares(window) && Between(0, 7) != 0) return Click(window);
  return Aimed(MonkeyEvent::Kind::kCloseRequest, window.title);
}

}  // namespace tessel::testing
