#include "runtime/core/label_fitting.h"

#include <cstdlib>

namespace tessel::runtime {
namespace {

constexpr int kFrame = 1;  // the thin single-line frame, on every side

// Stored centres on the parent were rounded to whole pixels in twips, so they may lie half a
// pixel off the true one.
bool CentredOnParent(const LabelFitting& label) {
  return std::abs(2 * label.stored.x + label.stored.width - label.parent_width) <= 1;
}

// (spare / 2) rounded up: a half pixel goes to the right.
int HalfRoundedUp(int spare) { return spare >= 0 ? (spare + 1) / 2 : -(-spare / 2); }

}  // namespace

PixelRect FitLabel(const LabelFitting& label, TextSize text) {
  const int frame = label.framed ? 2 * kFrame : 0;
  PixelRect fitted{label.stored.x, label.stored.y, text.width + frame, text.height + frame};
  if (label.alignment == Alignment::kCentre && CentredOnParent(label)) {
    fitted.x = HalfRoundedUp(label.parent_width - fitted.width);
  }
  return fitted;
}

}  // namespace tessel::runtime
