#include <cstdlib>

#include "runtime/core/start.h"
#include "runtime/win32/win32_backend.h"
#include "runtime/win32/window_system_check.h"

namespace tessel::runtime {

std::unique_ptr<Backend> CreatePlatformBackend() {
  win32::RequireWindows();
  return std::make_unique<win32::Win32Backend>();
}

// The Windows program takes no options: whatever it is started with, it opens its start window.
bool PlatformReadsCommandLine() { return false; }

void EndProcess(int status) { std::exit(status); }

}  // namespace tessel::runtime
