#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/stored_descriptions.h"
#include "runtime/core/application.h"
#include "runtime/core/start.h"
#include "tests/support/test_surface.h"

namespace tessel::runtime {
namespace {

void DoNothing(Form&) {}

const std::span<const std::uint8_t> kTruncated = app::kWStartDescription.first(500);

// A start window that cannot load is reported, and the program ends with a failing status
// instead of running on without a window.
struct Case {
  const char* name;
  FormClass form_class;
  const char* detail;  // what the message must say of the cause
};

class StartWindowThatCannotLoad : public ::testing::TestWithParam<Case> {};

TEST_P(StartWindowThatCannotLoad, IsReportedAndEndsTheProgramWithStatusOne) {
  const FormClass& form_class = GetParam().form_class;
  const Project project{"Tessel", "Tessel", "Tessel98", "", 0x0407, &form_class, {&form_class}};
  const auto backend = CreatePlatformBackend();
  const auto surface = testing::CreateTestSurface(*backend);
  Application application(project, *backend);
  std::vector<std::string> boxes;
  surface->Post([&] {
    boxes = surface->MessageBoxes();
    surface->DismissMessageBox();
  });
  EXPECT_EQ(application.Run(), 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("'Start'"), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[0].find(GetParam().detail), std::string::npos) << boxes[0];
}

INSTANTIATE_TEST_SUITE_P(
    Faults, StartWindowThatCannotLoad,
    ::testing::Values(
        Case{"HandlerForAMissingControl",
             {"WStart", app::kWStartDescription, {{"NoSuchButton", "Click", &DoNothing}}},
             "kein Steuerelement 'NoSuchButton'"},
        Case{
            "TruncatedDescription", {"WStart", kTruncated, {}}, "offset 89: expected rest length"}),
    [](const ::testing::TestParamInfo<Case>& param_info) { return param_info.param.name; });

}  // namespace
}  // namespace tessel::runtime
