// GoogleTest's main for a page's module. Once the module has waited for the page (Asyncify),
// main's return goes to no one, so the status leaves the way the program's does, which the page
// hears.
#include <gtest/gtest.h>

#include "runtime/core/start.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  tessel::runtime::EndProcess(RUN_ALL_TESTS());
}
