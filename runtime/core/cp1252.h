#pragma once

#include <string>
#include <string_view>

namespace tessel::runtime {

// Stored texts are code page 1252; everything above the runtime speaks UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace tessel::runtime
