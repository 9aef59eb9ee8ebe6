// write_descriptions DIR: writes the descriptions of the program's four windows into DIR, one
// NAME.bin each, from the typed builder beside each window's handlers. The build embeds the
// files in the programs, which only read them. Each one is read back first, so that a builder
// that writes what the reader refuses fails the build rather than the program's start.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "program/about/info_fr_description.h"
#include "program/dice/die_window_data.h"
#include "program/start/wstart_description.h"
#include "runtime/descriptions/reader.h"
#include "runtime/descriptions/writer.h"
#include "tools/write_file.h"

namespace {

namespace fs = std::filesystem;
namespace d = tessel::descriptions;
using tessel::tools::WriteFile;

struct Window {
  const char* name;
  d::Description (*build)();
};

const Window kWindows[] = {
    {"WStart", &tessel::app::WStartDescription},
    {"W6Form", [] { return tessel::dice::DieWindowDescription(tessel::dice::kW6FormData); }},
    {"W20Form", [] { return tessel::dice::DieWindowDescription(tessel::dice::kW20FormData); }},
    {"InfoFR", &tessel::about::InfoFRDescription},
};

std::vector<std::uint8_t> StoredBytes(const Window& window) {
  const d::Description description = window.build();
  if (description.window.name != window.name) {
    throw std::runtime_error(std::string("the builder of ") + window.name + " names its window " +
                             description.window.name);
  }
  std::vector<std::uint8_t> bytes = d::WriteDescription(description);
  if (d::ReadDescription(bytes) != description) {
    throw std::runtime_error(std::string(window.name) + " does not read back as it was built");
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  return tessel::tools::WriteIntoDirectory(
      argc, argv, "write_descriptions", [](const fs::path& dir) {
        for (const Window& window : kWindows) {
          WriteFile(dir / (std::string(window.name) + ".bin"), StoredBytes(window));
        }
      });
}
