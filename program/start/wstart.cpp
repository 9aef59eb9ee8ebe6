#include "program/start/wstart.h"

#include "program/about/info_fr.h"
#include "program/dice/die_windows.h"
#include "program/stored_descriptions.h"
#include "runtime/core/forms.h"

namespace tessel::app {
namespace {

using runtime::check;
using runtime::Form;
using runtime::kOk;
using runtime::Status;

// Puts the window straight below the place where the die windows open.
Status Form_Load(Form& me) {
  check(me.Move(2888.0f, 4730), me, "Move");
  return kOk;
}

// Modal, owned by the start window: returns once the information window is unloaded.
Status InfoSelect_Click(Form& me) {
  Form& info = runtime::SharedInstance(about::kInfoFRClass);
  check(info.Show(1, me), info, "Show");
  return kOk;
}

Status w6Select_Click(Form&) {
  Form& w6 = runtime::SharedInstance(dice::kW6FormClass);
  check(w6.Show(), w6, "Show");
  return kOk;
}

Status W20Select_Click(Form&) {
  Form& w20 = runtime::SharedInstance(dice::kW20FormClass);
  check(w20.Show(), w20, "Show");
  return kOk;
}

// Only the start window goes; open die windows stay until they are closed themselves.
Status W20End_Click(Form& me) {
  runtime::GlobalObject& global = runtime::Global();
  check(global.Unload(me), global, "Unload");
  return kOk;
}

}  // namespace

const runtime::FormClass kWStartClass{"WStart",
                                      kWStartDescription,
                                      {
                                          {"Form", "Load", &Form_Load},
                                          {"InfoSelect", "Click", &InfoSelect_Click},
                                          {"w6Select", "Click", &w6Select_Click},
                                          {"W20Select", "Click", &W20Select_Click},
                                          {"W20End", "Click", &W20End_Click},
                                      }};

}  // namespace tessel::app
