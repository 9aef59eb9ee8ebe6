#include "runtime/core/start.h"
#include "runtime/web/page.h"
#include "runtime/web/web_backend.h"

namespace tessel::runtime {

std::unique_ptr<Backend> CreatePlatformBackend() { return std::make_unique<web::WebBackend>(); }

// A page has no command line.
bool PlatformReadsCommandLine() { return false; }

void EndProcess(int status) { web::page::EndProgram(status); }

}  // namespace tessel::runtime
