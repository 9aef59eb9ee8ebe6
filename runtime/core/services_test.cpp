#include "runtime/core/services.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <set>
#include <utility>

namespace tessel::runtime {
namespace {

TEST(NextRandomValue, StaysInTheHalfOpenUnitIntervalOnA24BitGrid) {
  Randomize();
  for (int i = 0; i < 100000; ++i) {
    const float r = NextRandomValue();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    ASSERT_EQ(r * 16777216.0f, std::floor(r * 16777216.0f));
  }
}

TEST(Randomize, GivesFreshSequencesEachTime) {
  std::set<std::pair<float, float>> starts;
  for (int i = 0; i < 50; ++i) {
    Randomize();
    const float first = NextRandomValue();
    starts.emplace(first, NextRandomValue());
  }
  // Fifty starts of two draws each, from 2^48 pairs, all differ but about once in 2 * 10^11 runs.
  EXPECT_EQ(starts.size(), 50u);
}

TEST(ScopedRandomValue, FixesTheDrawAndRestoresTheGenerator) {
  {
    ScopedRandomValue outer(0.25f);
    EXPECT_EQ(NextRandomValue(), 0.25f);
    {
      ScopedRandomValue inner(0.75f);
      Randomize();
      EXPECT_EQ(NextRandomValue(), 0.75f);
    }
    EXPECT_EQ(NextRandomValue(), 0.25f);
  }
  EXPECT_NE(NextRandomValue() + NextRandomValue() + NextRandomValue(), 0.75f);
}

TEST(ValueToText, WritesPlainDigitsWhateverTheLocale) {
  const char* saved = std::setlocale(LC_ALL, nullptr);
  const std::string previous = saved ? saved : "C";
  // A German locale, whose decimal separator is a comma: by its POSIX name (the test command
  // installs it) or by its Windows name.
  bool german = false;
  for (const char* name : {"de_DE.UTF-8", "German_Germany.1252"}) {
    german = german || std::setlocale(LC_ALL, name) != nullptr;
  }
  ASSERT_TRUE(german);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  struct Case {
    float value;
    const char* text;
  } const cases[] = {{1.0f, "1"},   {6.0f, "6"},   {20.0f, "20"},
                     {0.5f, "0.5"}, {-3.0f, "-3"}, {1234567.0f, "1234567"},
                     {0.0f, "0"}};
  for (const Case& c : cases) EXPECT_EQ(ValueToText(c.value), c.text) << c.value;
  std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace tessel::runtime
