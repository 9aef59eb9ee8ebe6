#include "program/dice/roll.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/core/runtime_error.h"
#include "runtime/core/services.h"

namespace tessel::dice {
namespace {

using runtime::ScopedRandomValue;

float FaceFor(float r, float sides) {
  ScopedRandomValue fixed(r);
  return ThrowDie(sides);
}

TEST(ThrowDie, GivesTheStatedFacesAtTheEdgeValues) {
  struct Case {
    float r;
    float six;
    float twenty;
  } const cases[] = {
      {0.0f, 1, 1},
      {std::nextafter(1.0f, 0.0f), 6, 20},  // 1 - 2^-24
      {0.25f, 2, 6},
      {0.5f, 4, 11},
      {0.75f, 5, 16},
      {0.16666667163372040f, 2, 4},  // the single nearest 1/6, just above it
      {0.16666665673255920f, 1, 4},  // the next single below
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FaceFor(c.r, 6.0f), c.six) << "r = " << c.r;
    EXPECT_EQ(FaceFor(c.r, 20.0f), c.twenty) << "r = " << c.r;
  }
}

// The smallest single-precision value at or above k/n, computed without our code.
float SmallestSingleAtOrAbove(int k, int n) {
  const double boundary = static_cast<double>(k) / n;
  auto f = static_cast<float>(boundary);
  if (static_cast<double>(f) < boundary) f = std::nextafter(f, 2.0f);
  while (static_cast<double>(std::nextafter(f, 0.0f)) >= boundary) f = std::nextafter(f, 0.0f);
  return f;
}

TEST(ThrowDie, SplitsEveryFaceBoundaryExactly) {
  for (const int n : {6, 20}) {
    for (int k = 1; k < n; ++k) {
      const float above = SmallestSingleAtOrAbove(k, n);
      const float below = std::nextafter(above, 0.0f);
      EXPECT_EQ(FaceFor(below, static_cast<float>(n)), k) << k << "/" << n;
      EXPECT_EQ(FaceFor(above, static_cast<float>(n)), k + 1) << k << "/" << n;
    }
  }
}

TEST(ThrowDie, RaisesTheFloatingPointErrorOnAnInvalidOperation) {
  // Zero times infinity is an invalid operation on every floating-point unit.
  ScopedRandomValue fixed(0.0f);
  EXPECT_THROW(ThrowDie(std::numeric_limits<float>::infinity()), runtime::RuntimeError);
}

TEST(ThrowDie, FacesAreWholeNumbersWithinTheDie) {
  for (int i = 0; i < 2000; ++i) {
    const float six = ThrowDie(6.0f);
    const float twenty = ThrowDie(20.0f);
    ASSERT_TRUE(six >= 1 && six <= 6 && six == std::floor(six)) << six;
    ASSERT_TRUE(twenty >= 1 && twenty <= 20 && twenty == std::floor(twenty)) << twenty;
  }
}

}  // namespace
}  // namespace tessel::dice
