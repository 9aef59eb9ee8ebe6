#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "program/dice/roll.h"

namespace tessel::dice {
namespace {

constexpr long kRolls = 600000;

// Critical values of the chi-square distribution at the one-in-a-million level: a fair die
// fails this test less than once in a million runs (per die; twice that for the pair).
struct Die {
  int sides;
  double critical;
};
constexpr Die kDice[] = {{6, 35.888}, {20, 63.677}};

// Power against a die with one face one percentage point more likely than the others (1/6 +
// 0.01, the rest sharing the difference): with 600 000 rolls the statistic follows a
// non-central chi-square distribution with non-centrality 432 (six sides) and 1263 (twenty),
// which stays below the critical values above with a probability of 6e-51 and 2e-174. Such a
// die fails every time. (A face just 1 % more likely relative to its share would need about
// 33 million rolls for the same certainty: half a minute of the system's entropy.)
double ChiSquare(const std::vector<long>& counts, long rolls) {
  const double expected = static_cast<double>(rolls) / static_cast<double>(counts.size());
  double sum = 0;
  for (const long observed : counts) {
    const double d = static_cast<double>(observed) - expected;
    sum += d * d / expected;
  }
  return sum;
}

double Statistic(const Die& die, const std::function<int()>& throw_once) {
  std::vector<long> counts(static_cast<size_t>(die.sides), 0);
  for (long i = 0; i < kRolls; ++i) {
    const int face = throw_once();
    EXPECT_TRUE(face >= 1 && face <= die.sides) << face;
    if (face < 1 || face > die.sides) return 0;
    ++counts[static_cast<size_t>(face - 1)];
  }
  return ChiSquare(counts, kRolls);
}

// Every throw goes through the real roll, re-seeded from the system's entropy each time.
TEST(Fairness, BothDicePassAChiSquareTestAtTheOneInAMillionLevel) {
  for (const Die& die : kDice) {
    const double statistic =
        Statistic(die, [&] { return static_cast<int>(ThrowDie(static_cast<float>(die.sides))); });
    EXPECT_LT(statistic, die.critical) << die.sides << "-sided die";
  }
}

}  // namespace
}  // namespace tessel::dice
