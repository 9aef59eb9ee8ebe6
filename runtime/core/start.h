#pragma once

#include <memory>

#include "runtime/core/backend.h"
#include "runtime/core/command_line.h"
#include "runtime/core/form_class.h"

namespace tessel::runtime {

// The process entry's one call: answers the command line where the platform reads one, runs
// the program and ends the process. Never returns.
[[noreturn]] void Start(const Project& project, const CommandLineTexts& texts, int argc,
                        char** argv);

// The backend of the platform this program was built for; defined by the backend library.
std::unique_ptr<Backend> CreatePlatformBackend();

// Whether the platform's programs take options; also defined by the backend library.
bool PlatformReadsCommandLine();

// Ends the process with the program's status; also defined by the backend library, since a page
// ends its program otherwise than a process exits.
[[noreturn]] void EndProcess(int status);

}  // namespace tessel::runtime
