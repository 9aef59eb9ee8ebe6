#include "runtime/descriptions/system_colour.h"

#include <iterator>

namespace tessel::descriptions {

namespace {

// Every index from 0, so that a dump names the ones no window of ours uses as well.
constexpr std::string_view kRoles[] = {
    "scroll bar",
    "desktop",
    "active caption",
    "inactive caption",
    "menu",
    "window background",
    "window frame",
    "menu text",
    "window text",
    "caption text",
    "active border",
    "inactive border",
    "application workspace",
    "highlight",
    "highlight text",
    "button face",
    "button shadow",
    "grey text",
    "button text",
    "inactive caption text",
    "button highlight",
    "3D dark shadow",
    "3D light",
    "tooltip text",
    "tooltip background",
};

static_assert(kRoles[static_cast<int>(SystemColour::kWindow)] == "window background");
static_assert(kRoles[static_cast<int>(SystemColour::kButtonHighlight)] == "button highlight");

}  // namespace

std::string_view SystemColourRole(std::uint32_t index) {
  return index < std::size(kRoles) ? kRoles[index] : std::string_view();
}

}  // namespace tessel::descriptions
