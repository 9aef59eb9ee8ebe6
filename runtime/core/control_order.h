#pragma once

#include <vector>

#include "runtime/core/window_spec.h"

namespace tessel::runtime {

// The tab stops' ids in the order Tab walks them: by TabIndex, equal ones in description order.
std::vector<int> TabOrder(const std::vector<ControlSpec>& controls);

// Every control's id, front to back; only the order of siblings means anything. The tab stops
// lead, in tab order, as a dialog walks its controls from the front; then the other buttons and
// picture boxes; labels and images are drawn on their parent's own surface, behind all of these.
// Within the last two groups, what the description stores later lies in front.
std::vector<int> FrontToBack(const std::vector<ControlSpec>& controls);

// Every control's id in the order the window is read out to someone who cannot see it: first
// the buttons, which take the focus, by TabIndex (whether Tab stops on them or only a click
// focuses them), equal ones in description order; then everything else as the eye takes it in,
// top to bottom and left to right by its place in the window.
std::vector<int> ReadingOrder(const std::vector<ControlSpec>& controls);

// Of the ids in `order`, those a screen reader reads out: buttons and labels. Pictures, and the
// boxes they and labels lie on, are left out.
std::vector<int> ReadOut(const std::vector<ControlSpec>& controls, const std::vector<int>& order);

}  // namespace tessel::runtime
