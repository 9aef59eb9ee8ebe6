// write_description_seeds DIR: writes the seed descriptions of the description reader's fuzz
// target into DIR: full.bin (every class and property code), minimal.bin (a window and one
// label) and deep.bin (picture boxes three deep), from the samples the description tests use.
#include <filesystem>
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
  return tessel::tools::WriteIntoDirectory(
      argc, argv, "write_description_seeds", [](const fs::path& dir) {
        const std::pair<const char*, d::Description> seeds[] = {
            {"full.bin", tessel::testing::FullSample()},
            {"minimal.bin", tessel::testing::MinimalSample()},
            {"deep.bin", tessel::testing::DeepSample()},
        };
        for (const auto& [name, description] : seeds) {
          WriteFile(dir / name, d::WriteDescription(description));
        }
      });
}
