#include "program/dice/die_windows.h"

#include "program/dice/die_window_data.h"
#include "program/dice/roll.h"
#include "runtime/core/forms.h"
#include "runtime/descriptions/writer.h"

namespace tessel::dice {
namespace {

using runtime::check;
using runtime::Form;
using runtime::kOk;
using runtime::Status;

template <const DieWindowData& kData>
const std::vector<std::uint8_t>& DescriptionBytes() {
  static const std::vector<std::uint8_t> bytes =
      descriptions::WriteDescription(DieWindowDescription(kData));
  return bytes;
}

template <const DieWindowData& kData>
Status Click_Click(Form& me) {
  return Roll(me, kData.sides, kData.result_name);
}

// Every opening of a die window shows a fresh face at the window's fixed place.
template <const DieWindowData& kData>
Status Form_Load(Form& me) {
  check(me.Move(kData.left, 2000), me, "Move");
  check(runtime::Call(me, &Click_Click<kData>), me, "Roll");
  return kOk;
}

template <const DieWindowData& kData>
const runtime::FormClass& ClassOf();

// Names the window class, not the instance that raised the event: they are the same window.
template <const DieWindowData& kData>
Status End_Click(Form&) {
  runtime::GlobalObject& global = runtime::Global();
  Form& window = runtime::SharedInstance(ClassOf<kData>());
  check(global.Unload(window), global, "Unload");
  return kOk;
}

template <const DieWindowData& kData>
runtime::FormClass MakeClass() {
  return {kData.name,
          &DescriptionBytes<kData>,
          {
              {"Form", "Load", &Form_Load<kData>},
              {"Click", "Click", &Click_Click<kData>},
              {"End", "Click", &End_Click<kData>},
          }};
}

template <>
const runtime::FormClass& ClassOf<kW6FormData>() {
  return kW6FormClass;
}
template <>
const runtime::FormClass& ClassOf<kW20FormData>() {
  return kW20FormClass;
}

}  // namespace

const runtime::FormClass kW6FormClass = MakeClass<kW6FormData>();
const runtime::FormClass kW20FormClass = MakeClass<kW20FormData>();

}  // namespace tessel::dice
