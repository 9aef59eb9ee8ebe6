#include "runtime/core/label_fitting.h"

#include <algorithm>
#include <cstdlib>

namespace tessel::runtime {
namespace {

// What a label moved in from its parent's right edge keeps free there: as much as a 111-pixel
// line centred in a 113-pixel box 3 pixels short of that edge, so that a credit line that had to
// move looks like one that did not.
constexpr int kRightMargin = 4;

// Stored centres on the parent were rounded to whole pixels in twips, so they may lie half a
// pixel off the true one.
bool CentredOnParent(const LabelFitting& label) {
  return std::abs(2 * label.stored.x + label.stored.width - label.parent_width) <= 1;
}

// (spare / 2) rounded up: a half pixel goes to the right.
int HalfRoundedUp(int spare) { return spare >= 0 ? (spare + 1) / 2 : -(-spare / 2); }

}  // namespace

PixelRect FitLabel(const LabelFitting& label, TextSize text) {
  const int frame = 2 * label.edge;
  PixelRect fitted{label.stored.x, label.stored.y, text.width + frame, text.height + frame};
  if (label.alignment == Alignment::kCentre && CentredOnParent(label)) {
    fitted.x = HalfRoundedUp(label.parent_width - fitted.width);
  } else if (fitted.x + fitted.width > label.parent_width) {
    fitted.x = std::max(0, label.parent_width - kRightMargin - fitted.width);
  }
  return fitted;
}

}  // namespace tessel::runtime
