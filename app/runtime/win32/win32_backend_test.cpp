#include "app/runtime/win32/win32_backend.h"

#include <gtest/gtest.h>

namespace tessel::runtime::win32 {
namespace {

// Under Wine the system colours belong to the whole session, so a test that changes them must
// not leave them changed for the programs and tests after it.
TEST(Win32Backend, PutsBackTheSystemColoursATestChanged) {
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  {
    Win32Backend backend;
    backend.test_surface().SetSystemColour(COLOR_WINDOW, 0x123456);
    backend.test_surface().SetSystemColour(COLOR_WINDOW, 0x654321);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(0x65, 0x43, 0x21));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), face);
  }
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), window);
}

}  // namespace
}  // namespace tessel::runtime::win32
