#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/form_class.h"

namespace tessel::runtime {

// The program's own icon: the Icon its start-up window stores, which every window without an
// icon of its own shows. Empty when that window stores none, or when its description does not
// read; loading the window reports why.
std::vector<std::uint8_t> ProgramIcon(const Project& project);

}  // namespace tessel::runtime
