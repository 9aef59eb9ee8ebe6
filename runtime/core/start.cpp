#include "runtime/core/start.h"

#include <cstdio>

#include "runtime/core/application.h"
#include "runtime/core/command_line.h"

namespace tessel::runtime {
namespace {

// The command line's answer, or the program's run; the process's status either way.
int Answer(const Project& project, const CommandLineTexts& texts, int argc, char** argv) {
  if (PlatformReadsCommandLine()) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLineAnswer answer = AnswerCommandLine(arguments, texts);
    if (!answer.run) {
      std::fputs(answer.out.c_str(), stdout);
      std::fputs(answer.err.c_str(), stderr);
      return answer.status;
    }
  }
  const std::unique_ptr<Backend> backend = CreatePlatformBackend();
  Application application(project, *backend);
  return application.Run();
}

}  // namespace

// The one end of a process that started: FailStart's is for a start that cannot go on.
void Start(const Project& project, const CommandLineTexts& texts, int argc, char** argv) {
  // A program that takes no options is known by its project's name, as its reports are.
  SetStartedAs(PlatformReadsCommandLine() ? texts.command : project.name);
  EndProcess(Answer(project, texts, argc, argv));
}

}  // namespace tessel::runtime
