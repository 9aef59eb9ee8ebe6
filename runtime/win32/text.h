#pragma once

#include <string>
#include <string_view>

namespace tessel::runtime::win32 {

// The runtime speaks UTF-8, the wide Win32 API UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace tessel::runtime::win32
