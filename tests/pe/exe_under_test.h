#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
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

}  // namespace tessel::pe
