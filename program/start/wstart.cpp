#include "program/start/wstart.h"

#include "program/about/info_fr.h"
#include "program/dice/die_window.h"
#include "program/dice/die_windows.h"
#include "program/stored_descriptions.h"
#include "runtime/core/forms.h"

namespace tessel::app {
namespace {

using runtime::check;
using runtime::Form;

// Puts the window straight below the place where the die windows open.
void Form_Load(Form& me) {
  check(me.Move(dice::kW6Form.left, dice::kUnderTheDieWindows), me, "Move");
}

// Modal, owned by the start window: returns once the information window is unloaded.
void InfoSelect_Click(Form& me) {
  Form& info = runtime::SharedInstance(about::kInfoFRClass);
  check(info.Show(runtime::Modality::kModal, me), info, "Show");
}

void w6Select_Click(Form&) {
  Form& w6 = runtime::SharedInstance(dice::kW6FormClass);
  check(w6.Show(), w6, "Show");
}

void W20Select_Click(Form&) {
  Form& w20 = runtime::SharedInstance(dice::kW20FormClass);
  check(w20.Show(), w20, "Show");
}

// Only the start window goes; open die windows stay until they are closed themselves.
void W20End_Click(Form& me) {
  runtime::GlobalObject& global = runtime::Global();
  check(global.Unload(me), global, "Unload");
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
