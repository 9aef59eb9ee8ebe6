#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/project.h"

namespace tessel::runtime {

// What to do about a command line: run the program, or print and end with `status`.
struct CommandLineAnswer {
  bool run = true;
  int status = 0;
  std::string out;  // for standard output
  std::string err;  // for standard error
};

// Reads the arguments after the program's name. None runs the program; --help (-h) and
// --version (-V) answer on standard output with status 0, the first of them that is given;
// anything else is a usage error on standard error with status 2, whatever else was given.
CommandLineAnswer AnswerCommandLine(const std::vector<std::string_view>& arguments,
                                    const CommandLineTexts& texts);

// The name the program was started by, for the line of FailStart and the window system; Start
// sets it. Empty where Start did not run (tests, tools).
void SetStartedAs(std::string_view command);
std::string_view StartedAs();

// Ends a start that cannot go on (no display) with one line on standard error and status 1.
// For the backend, which finds out while it comes up.
[[noreturn]] void FailStart(std::string_view reason);

}  // namespace tessel::runtime
