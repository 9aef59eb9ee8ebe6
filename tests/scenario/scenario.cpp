#include "tests/scenario/scenario.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "program/project.h"
#include "runtime/core/start.h"
#include "tests/support/print.h"

namespace tessel::testing {

Scenario::Scenario()
    : backend_(runtime::CreatePlatformBackend()),
      surface_(CreateTestSurface(*backend_)),
      faults_(std::make_unique<FaultInjectingBackend>(*backend_)),
      application_(std::make_unique<runtime::Application>(app::TesselProject(), *faults_)) {}

Scenario::~Scenario() {
  application_.reset();
  faults_.reset();
  surface_.reset();
  backend_.reset();
}

Scenario& Scenario::Then(std::function<void()> step) {
  steps_.push_back({std::move(step), nullptr, 0});
  return *this;
}

Scenario& Scenario::ThenWaitFor(std::function<bool()> ready, int timeout_ms) {
  steps_.push_back({nullptr, std::move(ready), timeout_ms});
  return *this;
}

Scenario& Scenario::ThenWaitForActive(std::string_view window, int timeout_ms) {
  return ThenWaitFor([this, window] { return Active(window); }, timeout_ms);
}

Scenario& Scenario::ThenWatch(std::chrono::milliseconds duration, std::function<void()> check) {
  auto since = std::make_shared<std::chrono::steady_clock::time_point>();
  return Then([since] { *since = std::chrono::steady_clock::now(); })
      .ThenWaitFor(
          [since, duration, check = std::move(check)] {
            check();
            return std::chrono::steady_clock::now() - *since > duration;
          },
          static_cast<int>(duration.count()) + 5000);
}

int Scenario::Run() {
  surface_->Post([this] { RunStep(0); });
  const int status = application_->Run();
  return abandoned_ ? -1 : status;
}

namespace {

constexpr int kPollMs = 20;
// A window manager takes a newly mapped window over in a few milliseconds; on a machine busy
// with other work, in a few seconds; a window manager still starting up, in more.
constexpr int kSettleTimeoutMs = 30000;

}  // namespace

void Scenario::RunStep(size_t index) {
  if (index >= steps_.size()) {
    abandoned_ = true;
    faults_->Quit(-1);
    return;
  }
  Settle(index, 0);
}

void Scenario::Settle(size_t index, int waited_ms) {
  const std::string unsettled = Unsettled();
  if (!unsettled.empty() && waited_ms < kSettleTimeoutMs) {
    surface().After(kPollMs, [this, index, waited_ms] { Settle(index, waited_ms + kPollMs); });
    return;
  }
  EXPECT_EQ(unsettled, "") << "before step " << index << ": not settled after " << waited_ms
                           << " ms; " << Windows();
  Go(index);
}

void Scenario::Go(size_t index) {
  if (steps_[index].ready) {
    Wait(index, 0);
    return;
  }
  surface_->Post([this, index] { RunStep(index + 1); });
  steps_[index].action();
}

std::string Scenario::Unsettled() {
  for (const runtime::FormClass* form_class : app::TesselProject().windows) {
    const WindowHandle window = Handle(form_class->name);
    if (!window || !surface_->IsVisible(window)) continue;
    if (const std::string missing = surface_->Unsettled(window); !missing.empty()) {
      return std::string(form_class->name) + ": " + missing;
    }
  }
  return {};
}

std::string Scenario::Windows() {
  std::ostringstream out;
  for (const runtime::FormClass* form_class : app::TesselProject().windows) {
    const WindowHandle window = Handle(form_class->name);
    if (!window) continue;
    out << form_class->name << " " << surface_->WindowFrame(window)
        << (surface_->IsVisible(window) ? "" : " hidden")
        << (surface_->Unsettled(window).empty() ? "" : " unsettled")
        << (surface_->IsActive(window) ? " active" : "") << "; ";
  }
  return out.str();
}

void Scenario::Wait(size_t index, int waited_ms) {
  const Step& step = steps_[index];
  const bool ready = step.ready();
  if (!ready && waited_ms < step.timeout_ms) {
    surface().After(kPollMs, [this, index, waited_ms] { Wait(index, waited_ms + kPollMs); });
    return;
  }
  EXPECT_TRUE(ready) << "step " << index << " waited " << waited_ms << " ms in vain; " << Windows();
  surface_->Post([this, index] { RunStep(index + 1); });
}

WindowHandle Scenario::Handle(std::string_view window) {
  runtime::Form* form = application_->FindInstance(window);
  return form && form->loaded() ? form->handle() : 0;
}

bool Scenario::Loaded(std::string_view window) { return Handle(window) != 0; }

bool Scenario::Referenced(std::string_view window) {
  return application_->FindInstance(window) != nullptr;
}

int Scenario::Id(std::string_view window, std::string_view control) {
  runtime::Form* form = application_->FindInstance(window);
  const int id = form ? form->ControlId(control) : 0;
  EXPECT_NE(id, 0) << window << "." << control << " is not loaded";
  return id;
}

bool Scenario::Active(std::string_view window) { return surface().IsActive(Handle(window)); }

void Scenario::OpenBothDice() {
  Click("WStart", "w6Select");
  Click("WStart", "W20Select");
}

void Scenario::Click(std::string_view window, std::string_view control) {
  surface().Click(Handle(window), Id(window, control));
}

void Scenario::Press(std::string_view window, Key key) { surface().PressKey(Handle(window), key); }

PixelRect Scenario::Frame(std::string_view window) { return surface().WindowFrame(Handle(window)); }

PixelRect Scenario::ControlRect(std::string_view window, std::string_view control) {
  return surface().ControlRect(Handle(window), Id(window, control));
}

std::string Scenario::Caption(std::string_view window, std::string_view control) {
  return surface().ControlCaption(Handle(window), Id(window, control));
}

std::string Scenario::ToolTip(std::string_view window, std::string_view control) {
  return surface().ToolTip(Handle(window), Id(window, control));
}

std::string Scenario::Focused(std::string_view window) {
  runtime::Form* form = application_->FindInstance(window);
  if (!form || !form->loaded()) return {};
  return std::string(form->ControlName(surface().FocusedControl(form->handle())));
}

}  // namespace tessel::testing
