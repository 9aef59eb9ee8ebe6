#include "runtime/core/command_line.h"

#include <cstdlib>

#include "runtime/core/diagnostics.h"

namespace tessel::runtime {
namespace {

std::string started_as;

bool IsHelp(std::string_view argument) { return argument == "-h" || argument == "--help"; }
bool IsVersion(std::string_view argument) { return argument == "-V" || argument == "--version"; }

std::string Quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

std::string UsageLine(const CommandLineTexts& texts) {
  return "Aufruf: " + std::string(texts.command) + " [-h | --help | -V | --version]\n";
}

std::string HelpText(const CommandLineTexts& texts) {
  const std::string command(texts.command);
  return UsageLine(texts) + std::string(texts.summary) + "\nOhne Option öffnet " + command +
         " das Startfenster.\n\n"
         "  -h, --help      zeigt diese Hilfe und endet\n"
         "  -V, --version   zeigt die Version und endet\n";
}

CommandLineAnswer UsageError(const CommandLineTexts& texts, std::string_view argument) {
  const std::string what =
      argument.starts_with('-') ? "unbekannte Option " : "unerwartetes Argument ";
  const std::string command(texts.command);
  return {false, 2, "",
          command + ": " + what + Quoted(argument) + "\n" + UsageLine(texts) + "Mehr mit " +
              Quoted(command + " --help") + ".\n"};
}

}  // namespace

CommandLineAnswer AnswerCommandLine(const std::vector<std::string_view>& arguments,
                                    const CommandLineTexts& texts) {
  std::string_view request;
  for (const std::string_view argument : arguments) {
    if (!IsHelp(argument) && !IsVersion(argument)) return UsageError(texts, argument);
    if (request.empty()) request = argument;
  }
  if (request.empty()) return {};
  if (IsHelp(request)) return {false, 0, HelpText(texts), ""};
  return {false, 0, std::string(texts.version) + "\n" + std::string(texts.notice) + "\n", ""};
}

void SetStartedAs(std::string_view command) { started_as = command; }

std::string_view StartedAs() { return started_as; }

// _Exit, not exit: the toolkit may be half way up, and its exit handlers expect it whole.
void FailStart(std::string_view reason) {
  LogLine((started_as.empty() ? "" : started_as + ": ") + std::string(reason));
  std::_Exit(1);
}

}  // namespace tessel::runtime
