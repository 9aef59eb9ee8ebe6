#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>
#include <stdexcept>
#include <string_view>

namespace tessel::tools {

// Writes the whole file; throws std::runtime_error naming it when that fails.
inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

inline void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  WriteFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// The main of a tool that writes its files into the one directory its command line names:
// creates the directory, calls write(directory), and turns a failure into a line on stderr and
// status 1 (a wrong command line: the usage and status 2).
template <typename Writer>
int WriteIntoDirectory(int argc, char** argv, std::string_view tool, Writer write) {
  if (argc != 2) {
    std::cerr << "usage: " << tool << " DIR\n";
    return 2;
  }
  try {
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    write(dir);
  } catch (const std::exception& e) {
    std::cerr << tool << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace tessel::tools
