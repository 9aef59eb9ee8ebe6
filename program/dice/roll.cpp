#include "program/dice/roll.h"

#include <cfenv>
#include <cmath>

namespace tessel::dice {

float ThrowDie(float sides) {
  runtime::Randomize();
  const float r = runtime::NextRandomValue();
#if defined(FE_INVALID) && defined(FE_DIVBYZERO) && defined(FE_OVERFLOW)
  constexpr int kTested = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
  std::feclearexcept(kTested);
  // volatile keeps the arithmetic ahead of the status test.
  const volatile double x = static_cast<double>(r) * static_cast<double>(sides) + 1.0;
  if (std::fetestexcept(kTested)) runtime::RaiseFloatingPointError();
#else
  // Where the floating-point unit keeps no status (WebAssembly's), what would have set those
  // flags shows in the result: an invalid operation gives NaN, an overflow or a division by
  // zero an infinity.
  const double x = static_cast<double>(r) * static_cast<double>(sides) + 1.0;
  if (!std::isfinite(x)) runtime::RaiseFloatingPointError();
#endif
  return static_cast<float>(runtime::IntegerPart(x));
}

void Roll(runtime::Form& me, float sides, std::string_view result_label) {
  const float face = ThrowDie(sides);
  runtime::Label& label = me.GetLabel(result_label);
  runtime::check(label.SetCaption(runtime::ValueToText(face)), label, "Caption");
}

}  // namespace tessel::dice
