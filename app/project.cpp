#include "app/project.h"

#include "about/info_fr.h"
#include "app/wstart.h"
#include "dice/die_windows.h"
#include "resources/pictures.h"

namespace tessel::app {

const runtime::Project& TesselProject() {
  static const runtime::Project project{
      "Tessel",
      "Tessel",
      "Tessel98",
      "",
      0x0407,
      &kWStartClass,
      {&dice::kW6FormClass, &dice::kW20FormClass, &kWStartClass, &about::kInfoFRClass},
      &resources::StartIconFile};
  return project;
}

}  // namespace tessel::app
