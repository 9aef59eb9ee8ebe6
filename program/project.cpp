#include "program/project.h"

#include "program/about/info_fr.h"
#include "program/dice/die_windows.h"
#include "program/start/wstart.h"

namespace tessel::app {

const runtime::Project& TesselProject() {
  static const runtime::Project project{
      "Tessel",
      "Tessel",
      "Tessel98",
      "",
      0x0407,
      &kWStartClass,
      {&dice::kW6FormClass, &dice::kW20FormClass, &kWStartClass, &about::kInfoFRClass}};
  return project;
}

}  // namespace tessel::app
