#include "runtime/core/units.h"

#include <gtest/gtest.h>

namespace tessel::runtime {
namespace {

// The numbers of the stored layout: window places and control sizes, and the font sizes.
TEST(Units, TwipsAndPointsRoundAsTheStoredLayoutExpects) {
  struct Length {
    int twips;
    int pixels;
  } const lengths[] = {{2888, 193}, {4730, 315}, {5500, 367}, {2000, 133},
                       {1300, 87},  {-120, -8},  {5970, 398}, {0, 0}};
  for (const Length& l : lengths) EXPECT_EQ(TwipsToPixels(l.twips), l.pixels) << l.twips;
  struct Font {
    std::uint32_t size;  // 1/10000 point
    int pixels;
  } const fonts[] = {{82500, 11},  {97500, 13},  {157500, 21}, {202500, 27},
                     {217500, 29}, {720000, 96}, {727500, 97}};
  for (const Font& f : fonts) EXPECT_EQ(FontSizeToPixels(f.size), f.pixels) << f.size;
}

}  // namespace
}  // namespace tessel::runtime
