#include "program/about/info_fr.h"

#include "program/stored_descriptions.h"
#include "runtime/core/forms.h"

namespace tessel::about {
namespace {

using runtime::check;
using runtime::Form;

// Unloading ends the start window's modal Show.
void OK_Click(Form&) {
  runtime::GlobalObject& global = runtime::Global();
  Form& info = runtime::SharedInstance(kInfoFRClass);
  check(global.Unload(info), global, "Unload");
}

}  // namespace

const runtime::FormClass kInfoFRClass{
    "InfoFR", app::kInfoFRDescription, {{"OK", "Click", &OK_Click}}};

}  // namespace tessel::about
