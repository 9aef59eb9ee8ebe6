#include "program/about/info_fr.h"

#include "runtime/core/forms.h"
#include "runtime/descriptions/writer.h"

namespace tessel::about {
namespace {

using runtime::check;
using runtime::Form;

const std::vector<std::uint8_t>& DescriptionBytes() {
  static const std::vector<std::uint8_t> bytes =
      descriptions::WriteDescription(InfoFRDescription());
  return bytes;
}

// Unloading ends the start window's modal Show.
runtime::Status OK_Click(Form&) {
  runtime::GlobalObject& global = runtime::Global();
  Form& info = runtime::SharedInstance(kInfoFRClass);
  check(global.Unload(info), global, "Unload");
  return runtime::kOk;
}

}  // namespace

const runtime::FormClass kInfoFRClass{"InfoFR", &DescriptionBytes, {{"OK", "Click", &OK_Click}}};

}  // namespace tessel::about
