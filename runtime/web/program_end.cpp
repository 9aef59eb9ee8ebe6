#include "runtime/core/start.h"
#include "runtime/web/page.h"

namespace tessel::runtime {

// A page has no command line.
bool PlatformReadsCommandLine() { return false; }

void EndProcess(int status) { web::page::EndProgram(status); }

}  // namespace tessel::runtime
