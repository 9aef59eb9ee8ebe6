#include "runtime/core/start.h"
#include "runtime/win32/win32_backend.h"

namespace tessel::runtime {

std::unique_ptr<Backend> CreatePlatformBackend() { return std::make_unique<win32::Win32Backend>(); }

// The Windows program takes no options: whatever it is started with, it opens its start window.
bool PlatformReadsCommandLine() { return false; }

}  // namespace tessel::runtime
