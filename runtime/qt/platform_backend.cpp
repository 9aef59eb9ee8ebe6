#include "runtime/qt/qt_backend.h"
#include "runtime/core/start.h"

namespace tessel::runtime {

std::unique_ptr<Backend> CreatePlatformBackend() { return std::make_unique<qt::QtBackend>(); }

}  // namespace tessel::runtime
