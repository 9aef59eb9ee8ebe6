#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "runtime/core/pixel_rect.h"

// What the page's script and style know from the runtime: written here once, and into the page
// at build time (tools/write_page_constants.cpp).
namespace tessel::runtime::web {

// The screen area the windows stand on, in CSS pixels; the view scales it to the browser's.
inline constexpr PixelRect kScreenArea = {0, 0, 1024, 768};

// What the page queues for the program, in the order it happened.
enum class EventType : std::int32_t {
  kClick = 1,         // a button was pressed: window, control
  kCloseRequest = 2,  // the close box, Alt+F4, or Escape in a message box: window
  kFailure = 3,       // the page's script failed while it answered the user
};

struct EventName {
  EventType type;
  std::string_view name;  // the script's constant
};

inline constexpr EventName kEventNames[] = {
    {EventType::kClick, "kEventClick"},
    {EventType::kCloseRequest, "kEventCloseRequest"},
    {EventType::kFailure, "kEventFailure"},
};

// A system colour in the page's style, followed by its number: the screen area's variable.
inline constexpr std::string_view kSystemColourVariable = "--system-colour-";

// 0xRRGGBB as CSS.
inline std::string RgbCss(std::uint32_t rgb) {
  char css[8];
  std::snprintf(css, sizeof css, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFFu));
  return css;
}

}  // namespace tessel::runtime::web
