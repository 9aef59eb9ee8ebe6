#include "runtime/core/start.h"

#include <cstdio>
#include <cstdlib>

#include "runtime/core/application.h"

namespace tessel::runtime {
namespace {

void AnswerCommandLineOrGoOn(const CommandLineTexts& texts, int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const CommandLineAnswer answer = AnswerCommandLine(arguments, texts);
  if (answer.run) return;
  std::fputs(answer.out.c_str(), stdout);
  std::fputs(answer.err.c_str(), stderr);
  std::exit(answer.status);
}

}  // namespace

void Start(const Project& project, const CommandLineTexts& texts, int argc, char** argv) {
  // A program that takes no options is known by its project's name, as its reports are.
  SetStartedAs(PlatformReadsCommandLine() ? texts.command : project.name);
  if (PlatformReadsCommandLine()) AnswerCommandLineOrGoOn(texts, argc, argv);
  int exit_status = 0;
  {
    const std::unique_ptr<Backend> backend = CreatePlatformBackend();
    Application application(project, *backend);
    exit_status = application.Run();
  }
  std::exit(exit_status);
}

}  // namespace tessel::runtime
