// write_description_seeds DIR: writes the seed descriptions of the description reader's fuzz
// target into DIR: full.bin (every class and property code), minimal.bin (a window and one
// label) and deep.bin (picture boxes three deep), from the samples the description tests use.
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <utility>

#include "runtime/descriptions/writer.h"
#include "tests/support/description_samples.h"
#include "tools/write_file.h"

namespace {

namespace fs = std::filesystem;
namespace d = tessel::descriptions;
using tessel::tools::WriteFile;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_description_seeds DIR\n";
    return 2;
  }
  try {
    const fs::path dir = argv[1];
    fs::create_directories(dir);
    const std::pair<const char*, d::Description> seeds[] = {
        {"full.bin", d::testing::FullSample()},
        {"minimal.bin", d::testing::MinimalSample()},
        {"deep.bin", d::testing::DeepSample()},
    };
    for (const auto& [name, description] : seeds) {
      WriteFile(dir / name, d::WriteDescription(description));
    }
  } catch (const std::exception& e) {
    std::cerr << "write_description_seeds: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
