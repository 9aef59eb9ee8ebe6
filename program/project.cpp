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

const runtime::CommandLineTexts& TesselCommandLine() {
  static const runtime::CommandLineTexts texts{
      "tessel",
      "Tessel 98 würfelt mit einem sechsseitigen und einem zwanzigseitigen Würfel.",
      "Tessel 98, Version 1.00",
      "Copyright (c) 2026 The Tessel authors. Freie Software unter der MIT-Lizenz.",
  };
  return texts;
}

}  // namespace tessel::app
