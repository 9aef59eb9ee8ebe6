#include "runtime/core/start.h"
#include "runtime/web/web_backend.h"

namespace tessel::runtime {

std::unique_ptr<Backend> CreatePlatformBackend() { return std::make_unique<web::WebBackend>(); }

}  // namespace tessel::runtime
