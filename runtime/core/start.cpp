#include "runtime/core/start.h"

#include <cstdlib>

#include "runtime/core/application.h"

namespace tessel::runtime {

void Start(const Project& project) {
  int exit_status = 0;
  {
    const std::unique_ptr<Backend> backend = CreatePlatformBackend();
    Application application(project, *backend);
    exit_status = application.Run();
  }
  std::exit(exit_status);
}

}  // namespace tessel::runtime
