#include "runtime/descriptions/cp1252.h"

#include <gtest/gtest.h>

namespace tessel::descriptions {
namespace {

TEST(Cp1252ToUtf8, MapsAsciiLatin1AndTheWindowsRange) {
  EXPECT_EQ(Cp1252ToUtf8("... nun mach' schon  "), "... nun mach' schon  ");
  EXPECT_EQ(Cp1252ToUtf8("\xDC"
                         "berlauf"),
            "\xC3\x9C"
            "berlauf");                             // Ü
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // €
  EXPECT_EQ(Cp1252ToUtf8("\x85"), "\xE2\x80\xA6");  // …
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");  // unassigned
  EXPECT_EQ(Cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace tessel::descriptions
