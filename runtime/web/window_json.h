#pragma once

#include <string>

#include "runtime/core/resolved_font.h"
#include "runtime/core/window_spec.h"

namespace tessel::runtime::web {

// What the page builds a window from: the settled spec as JSON, every part by name, its colours as
// CSS (a system colour as the page's variable for it), every number in pixels. Pictures go across
// as pixels of their own (page.h).
std::string WindowJson(const WindowSpec& spec);

// A font as the page is asked for it: face, pixel size and styles.
std::string FontJson(const ResolvedFont& font);

// A stored colour as CSS: "#rrggbb", or the page's variable for a system colour.
std::string ColourCss(Colour colour);

}  // namespace tessel::runtime::web
