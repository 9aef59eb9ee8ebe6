// Every face of both dice, rolled in the locale the test is started in (LC_ALL, which the
// toolkit takes up as it starts): the labels show plain digits whatever the locale's own
// digits, grouping and decimal point.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/core/services.h"
#include "tests/scenario/scenario.h"

namespace tessel::testing {
namespace {

using runtime::ScopedRandomValue;

// The faces one die's label shows for each draw that lands in the middle of a face, in order.
std::vector<std::string> RollEveryFace(Scenario& s, const char* window, const char* label,
                                       int sides) {
  std::vector<std::string> shown;
  for (int face = 1; face <= sides; ++face) {
    ScopedRandomValue r((static_cast<float>(face) - 0.5f) / static_cast<float>(sides));
    s.Click(window, "Click");
    shown.push_back(s.Caption(window, label));
  }
  return shown;
}

std::vector<std::string> Digits(int sides) {
  std::vector<std::string> faces;
  for (int face = 1; face <= sides; ++face) faces.push_back(std::to_string(face));
  return faces;
}

TEST(LocaleFaces, EveryFaceOfBothDiceIsPlainDigits) {
  const char* expected = std::getenv("TESSEL_EXPECTED_LOCALE");
  ASSERT_NE(expected, nullptr) << "set TESSEL_EXPECTED_LOCALE to the locale in LC_ALL";
  Scenario s;
  std::string in_effect;
  std::vector<std::string> six, twenty;
  s.Then([&] {
     s.Click("WStart", "w6Select");
     s.Click("WStart", "W20Select");
     in_effect = std::setlocale(LC_ALL, nullptr);
   }).Then([&] {
    six = RollEveryFace(s, "W6Form", "W6Print", 6);
    twenty = RollEveryFace(s, "W20Form", "W20Print", 20);
  });
  s.Run();
  // A locale that is not installed leaves the program in "C", and the run would prove nothing.
  ASSERT_EQ(in_effect, expected) << "is the locale installed? scripts/install-deps.sh makes it";
  EXPECT_EQ(six, Digits(6));
  EXPECT_EQ(twenty, Digits(20));
}

}  // namespace
}  // namespace tessel::testing
