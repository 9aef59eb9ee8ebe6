#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/core/form_class.h"

namespace tessel::runtime {

// The record the process entry hands to Start.
struct Project {
  std::string_view name;
  std::string_view executable_name;
  std::string_view description;
  std::string_view help_file;
  std::uint16_t locale = 0;
  const FormClass* startup = nullptr;
  std::vector<const FormClass*> windows;  // window table order
};

// The words a program gives for its command line; the runtime knows the options themselves.
struct CommandLineTexts {
  std::string_view command;  // the name it is started by, as in "Aufruf: tessel"
  std::string_view summary;  // one sentence: what the program does
  std::string_view version;  // the first line of --version
  std::string_view notice;   // copyright and licence, the second line of --version
};

}  // namespace tessel::runtime
