#pragma once

#include <cstdio>
#include <string>

namespace tessel::runtime {

// One line on standard error for whoever started the program from a terminal. Plain stdio on
// purpose: iostreams would add most of a megabyte to the Windows program.
inline void LogLine(const std::string& text) { std::fputs((text + "\n").c_str(), stderr); }

}  // namespace tessel::runtime
