#include "app/runtime/qt/qt_backend.h"
#include "app/runtime/start.h"

namespace tessel::runtime {

std::unique_ptr<Backend> CreatePlatformBackend() { return std::make_unique<qt::QtBackend>(); }

}  // namespace tessel::runtime
