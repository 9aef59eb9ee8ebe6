#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessel::pe {

// The Tessel98.exe a test reads: the file TESSEL98_EXE names, which CTest sets.
inline std::filesystem::path ExePath() {
  const char* path = std::getenv("TESSEL98_EXE");
  return path ? path : "";
}

// The whole file; throws std::runtime_error naming it when it cannot be read.
inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string() + " (set TESSEL98_EXE)");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A DLL's or a file's name in lower case: Windows compares them so.
inline std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace tessel::pe
