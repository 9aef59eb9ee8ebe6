#include "runtime/core/start.h"
#include "runtime/win32/win32_backend.h"

namespace tessel::runtime {

std::unique_ptr<Backend> CreatePlatformBackend() { return std::make_unique<win32::Win32Backend>(); }

}  // namespace tessel::runtime
