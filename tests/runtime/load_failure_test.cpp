#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "program/resources/pictures.h"
#include "program/stored_descriptions.h"
#include "runtime/core/application.h"
#include "runtime/core/start.h"
#include "tests/support/test_surface.h"

namespace tessel::runtime {
namespace {

void DoNothing(Form&) {}

const std::span<const std::uint8_t> kTruncated = app::kWStartDescription.first(500);

// The start window's description with its icon's directory saying it holds no image: the bytes
// of the description still read, the picture in them does not.
std::span<const std::uint8_t> WithUnreadableIcon() {
  static const std::vector<std::uint8_t> description = [] {
    std::vector<std::uint8_t> bytes(app::kWStartDescription.begin(), app::kWStartDescription.end());
    const std::vector<std::uint8_t>& icon = resources::StartIconFile();
    const auto at = std::search(bytes.begin(), bytes.end(), icon.begin(), icon.end());
    if (at != bytes.end()) at[4] = 0;
    return bytes;
  }();
  return description;
}

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
        Case{"HandlerForAnEventNeverRaised",
             {"WStart", app::kWStartDescription, {{"w6Select", "DblClick", &DoNothing}}},
             "kein Ereignis 'DblClick' von 'w6Select'"},
        Case{"TruncatedDescription", {"WStart", kTruncated, {}}, "offset 89: expected rest length"},
        Case{"UnreadableIcon",
             {"WStart", WithUnreadableIcon(), {}},
             "offset 4: expected at least one image, found none in the picture file of WStart"}),
    [](const ::testing::TestParamInfo<Case>& param_info) { return param_info.param.name; });

}  // namespace
}  // namespace tessel::runtime
