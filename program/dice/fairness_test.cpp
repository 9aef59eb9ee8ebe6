#include <gtest/gtest.h>

#include <vector>

#include "program/dice/roll.h"

namespace tessel::dice {
namespace {

// Pearson's chi-square statistic of the observed counts against a uniform die.
double ChiSquare(const std::vector<long>& counts, long rolls) {
  const double expected = static_cast<double>(rolls) / static_cast<double>(counts.size());
  double sum = 0;
  for (const long observed : counts) {
    const double d = static_cast<double>(observed) - expected;
    sum += d * d / expected;
  }
  return sum;
}

// Every throw goes through the real roll, re-seeded from the system's entropy each time.
// Critical values at the 0.1 % level: 20.515 for 5 degrees of freedom, 43.820 for 19. A fair
// die fails this test once in a thousand runs per die, so about once in 500 runs of the test.
TEST(Fairness, BothDicePassAChiSquareTestAtTheTenthOfAPercentLevel) {
  constexpr long kRolls = 600000;
  struct Die {
    int sides;
    double critical;
  } const dice[] = {{6, 20.515}, {20, 43.820}};
  for (const Die& die : dice) {
    std::vector<long> counts(static_cast<size_t>(die.sides), 0);
    for (long i = 0; i < kRolls; ++i) {
      const auto face = static_cast<int>(ThrowDie(static_cast<float>(die.sides)));
      ASSERT_TRUE(face >= 1 && face <= die.sides) << face;
      ++counts[static_cast<size_t>(face - 1)];
    }
    EXPECT_LT(ChiSquare(counts, kRolls), die.critical) << die.sides << "-sided die";
  }
}

}  // namespace
}  // namespace tessel::dice
