#include "program/dice/die_windows.h"

#include "program/dice/die_window.h"
#include "program/dice/roll.h"
#include "program/stored_descriptions.h"
#include "runtime/core/forms.h"

namespace tessel::dice {
namespace {

using runtime::check;
using runtime::Form;

template <const DieWindow& kWindow>
void Click_Click(Form& me) {
  Roll(me, kWindow.sides, kWindow.result_label);
}

// Every opening of a die window shows a fresh face at the window's fixed place.
template <const DieWindow& kWindow>
void Form_Load(Form& me) {
  check(me.Move(kWindow.left, kDieWindowsTop), me, "Move");
  runtime::Call(me, &Click_Click<kWindow>, "Roll");
}

template <const DieWindow& kWindow>
const runtime::FormClass& ClassOf();

// Names the window class, not the instance that raised the event: they are the same window.
template <const DieWindow& kWindow>
void End_Click(Form&) {
  runtime::GlobalObject& global = runtime::Global();
  Form& window = runtime::SharedInstance(ClassOf<kWindow>());
  check(global.Unload(window), global, "Unload");
}

template <const DieWindow& kWindow>
runtime::FormClass MakeClass(std::span<const std::uint8_t> description) {
  return {kWindow.name,
          description,
          {
              {"Form", "Load", &Form_Load<kWindow>},
              {"Click", "Click", &Click_Click<kWindow>},
              {"End", "Click", &End_Click<kWindow>},
          }};
}

template <>
const runtime::FormClass& ClassOf<kW6Form>() {
  return kW6FormClass;
}
template <>
const runtime::FormClass& ClassOf<kW20Form>() {
  return kW20FormClass;
}

}  // namespace

const runtime::FormClass kW6FormClass = MakeClass<kW6Form>(app::kW6FormDescription);
const runtime::FormClass kW20FormClass = MakeClass<kW20Form>(app::kW20FormDescription);

}  // namespace tessel::dice
