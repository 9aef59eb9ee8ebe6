// write_exe_resources DIR: writes the resources of Tessel98.exe into DIR as raw blobs, and
// tessel98.rc, which embeds them for windres. The .rc only names files: every byte comes from
// our own builders, since windres's VERSIONINFO counts string lengths in characters and leaves
// out the fill that our version block counts.
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "program/resources/pictures.h"
#include "program/resources/win32/tessel_version.h"
#include "tools/exe_resources/icon_resources.h"
#include "tools/write_file.h"

namespace {

namespace fs = std::filesystem;
using tessel::resources::kAppIconImageId;
using tessel::resources::kVersionLanguage;
using tessel::tools::WriteFile;

// Numeric resource types, as windows.h numbers them.
constexpr int kRtIcon = 3;
constexpr int kRtGroupIcon = 14;
constexpr int kRtVersion = 16;

// The version block is German; the icons are language-neutral, and windres would otherwise
// tag them with its default, US English.
std::string ResourceScript() {
  const int primary = kVersionLanguage & 0x3FF;
  const int sub = kVersionLanguage >> 10;
  char text[256];
  std::snprintf(text, sizeof text,
                "LANGUAGE 0x%02X, 0x%02X\n"
                "1 %d \"version.bin\"\n"
                "LANGUAGE 0, 0\n"
                "1 %d \"group.bin\"\n"
                "%d %d \"icon.bin\"\n",
                primary, sub, kRtVersion, kRtGroupIcon, kAppIconImageId, kRtIcon);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  return tessel::tools::WriteIntoDirectory(
      argc, argv, "write_exe_resources", [](const fs::path& dir) {
        const auto icon =
            tessel::resources::SplitIconFile(tessel::resources::StartIconFile(), kAppIconImageId);
        WriteFile(dir / "version.bin", tessel::resources::TesselVersionBlock());
        WriteFile(dir / "group.bin", icon.group);
        WriteFile(dir / "icon.bin", icon.image);
        WriteFile(dir / "tessel98.rc", ResourceScript());
      });
}
