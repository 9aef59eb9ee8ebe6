#pragma once

#include <string>
#include <string_view>

namespace tessel::runtime::win32 {

// The runtime speaks UTF-8, the wide Win32 API UTF-16; face names are stored in code page 1252.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
std::wstring WidenCp1252(std::string_view cp1252);

}  // namespace tessel::runtime::win32
