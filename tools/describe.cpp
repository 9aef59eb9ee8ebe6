// describe FILE: prints a window description as text, the way the golden files show it.
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

#include "app/descriptions/dump.h"
#include "app/descriptions/reader.h"

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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: describe FILE\n";
    return kUsage;
  }
  try {
    return DescribeFile(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "describe: " << argv[1] << ": " << e.what() << "\n";
    return kBadInput;
  }
}
