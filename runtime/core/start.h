#pragma once

#include <memory>

#include "runtime/core/backend.h"
#include "runtime/core/form_class.h"

namespace tessel::runtime {

// The process entry's one call: runs the program and ends the process. Never returns.
[[noreturn]] void Start(const Project& project);

// The backend of the platform this program was built for; defined by the backend library.
std::unique_ptr<Backend> CreatePlatformBackend();

}  // namespace tessel::runtime
