// GoogleTest's main for a page's module. Once the module has waited for the page (Asyncify),
// main's return goes to no one, so the status leaves through exit, which the page hears.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  std::exit(RUN_ALL_TESTS());
}
