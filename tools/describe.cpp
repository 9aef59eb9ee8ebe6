// describe FILE: prints a window description as text, the way the golden files show it.
// describe --window NAME: the same for one of the program's own windows; --all for all four.
// A file that is not a valid description gives one line on stderr and exit status 1.

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "program/project.h"
#include "runtime/descriptions/dump.h"
#include "runtime/descriptions/reader.h"

namespace {

namespace fs = std::filesystem;
using tessel::descriptions::DescriptionError;

constexpr int kBadInput = 1;
constexpr int kUsage = 2;

// Dumps the description held in bytes to out. A malformed one yields one line on err, naming
// the source and the offset; returns the exit status.
int DescribeBytes(std::span<const std::uint8_t> bytes, std::string_view source, std::ostream& out,
                  std::ostream& err) {
  try {
    out << tessel::descriptions::DumpDescription(tessel::descriptions::ReadDescription(bytes));
    return 0;
  } catch (const DescriptionError& e) {
    err << "describe: " << source << ": " << e.what() << "\n";
    return kBadInput;
  }
}

// The whole file, or nullopt with the reason in `error`.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const fs::path& path, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    error = "is a directory";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
  if (in.bad()) {
    error = "read error";
    return std::nullopt;
  }
  return bytes;
}

int DescribeFile(const char* path) {
  std::string error;
  std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, error);
  if (!bytes) {
    std::cerr << "describe: " << path << ": cannot read: " << error << "\n";
    return kBadInput;
  }
  return DescribeBytes(*bytes, path, std::cout, std::cerr);
}

// The program's own windows, in the order of its window table.
int DescribeOwnWindows(std::string_view only) {
  int status = kBadInput;
  for (const tessel::runtime::FormClass* window : tessel::app::TesselProject().windows) {
    if (!only.empty() && window->name != only) continue;
    if (only.empty()) std::cout << "== " << window->name << "\n";
    status = DescribeBytes(window->description, window->name, std::cout, std::cerr);
    if (status != 0) return status;
  }
  if (status != 0) std::cerr << "describe: no window named " << only << "\n";
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  const bool one_window = argc == 3 && first == "--window";
  if (!(argc == 2 || one_window)) {
    std::cerr << "usage: describe FILE | describe --window NAME | describe --all\n";
    return kUsage;
  }
  try {
    if (one_window) return DescribeOwnWindows(argv[2]);
    if (first == "--all") return DescribeOwnWindows("");
    return DescribeFile(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "describe: " << argv[1] << ": " << e.what() << "\n";
    return kBadInput;
  }
}
