#pragma once

#include "runtime/core/project.h"

namespace tessel::app {

// What the process entry hands to the runtime.
const runtime::Project& TesselProject();

// What tessel says to --help and --version.
const runtime::CommandLineTexts& TesselCommandLine();

}  // namespace tessel::app
