// Reads the built Tessel98.exe (path in TESSEL98_EXE) with our own PE reader and checks the
// headers, imports and resources that the program promises.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <tuple>

#include "program/resources/pictures.h"
#include "program/resources/win32/tessel_version.h"
#include "tests/pe/exe_under_test.h"
#include "tests/pe/pe_image.h"

namespace tessel::pe {
namespace {

const PeImage& Tessel98() {
  static const PeImage image(ReadBytes(ExePath()));
  return image;
}

TEST(Tessel98Headers, Pe32GuiImageVersion1ForWindows4) {
  const Headers& h = Tessel98().headers();
  EXPECT_EQ(h.magic, 0x10B);
  EXPECT_EQ(h.machine, 0x14C);  // i386
  EXPECT_TRUE(h.characteristics & 0x0002) << "IMAGE_FILE_EXECUTABLE_IMAGE";
  EXPECT_TRUE(h.characteristics & 0x0100) << "IMAGE_FILE_32BIT_MACHINE";
  EXPECT_FALSE(h.characteristics & 0x2000) << "IMAGE_FILE_DLL";
  EXPECT_EQ(h.subsystem, 2);  // IMAGE_SUBSYSTEM_WINDOWS_GUI
  EXPECT_EQ(h.major_image_version, 1);
  EXPECT_EQ(h.minor_image_version, 0);
  EXPECT_EQ(h.major_os_version, 4);
  EXPECT_EQ(h.minor_os_version, 0);
  EXPECT_EQ(h.major_subsystem_version, 4);
  EXPECT_EQ(h.minor_subsystem_version, 0);
}

TEST(Tessel98Headers, ChecksumIsTheImagesOwn) {
  const PeImage& exe = Tessel98();
  EXPECT_NE(exe.headers().checksum, 0u);
  EXPECT_EQ(exe.headers().checksum, ImageChecksum(exe.file(), exe.headers().checksum_offset));
}

// Folding worked by hand: words 0x0201 and 0x0003 sum to 0x0204, plus the length 3; and
// 0xFFFF + 0x0002 carries out of 16 bits and folds back to 0x0002, plus the length 4. The
// checksum field's own bytes count as zero.
TEST(ImageChecksum, FoldsTheCarryAndSkipsItsOwnField) {
  EXPECT_EQ(ImageChecksum(std::vector<std::uint8_t>{1, 2, 3}, 100), 0x0207u);
  EXPECT_EQ(ImageChecksum(std::vector<std::uint8_t>{0xFF, 0xFF, 2, 0}, 100), 0x0006u);
  EXPECT_EQ(ImageChecksum(std::vector<std::uint8_t>{1, 0, 9, 9, 9, 9, 2, 0}, 2), 0x000Bu);
}

// A statically linked program imports from Windows itself and nothing else, and nothing lies
// beside it that it could need.
TEST(Tessel98Imports, OnlyWindowsOwnDlls) {
  const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll", "comctl32.dll",
                                        "msvcrt.dll",   "advapi32.dll", "oleacc.dll"};
  const std::vector<std::string> dlls = Tessel98().ImportedDlls();
  EXPECT_NE(std::find_if(dlls.begin(), dlls.end(),
                         [](const std::string& d) { return Lower(d) == "kernel32.dll"; }),
            dlls.end());
  for (const std::string& dll : dlls) EXPECT_TRUE(system.count(Lower(dll))) << dll;
  const auto& dirs = Tessel98().headers().directories;
  ASSERT_GT(dirs.size(), kDelayImportDirectory);
  EXPECT_EQ(dirs[kDelayImportDirectory].rva, 0u) << "delay-loaded imports";

  for (const auto& entry : std::filesystem::directory_iterator(ExePath().parent_path())) {
    EXPECT_NE(Lower(entry.path().extension().string()), ".dll") << entry.path();
  }
}

// RT_VERSION 1 in German (Germany), RT_GROUP_ICON 1 and RT_ICON 30001 language-neutral, and
// nothing else.
TEST(Tessel98Resources, HoldExactlyVersionAndApplicationIcon) {
  const std::vector<Resource> resources = Tessel98().Resources();
  std::set<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> found;
  for (const Resource& r : resources) {
    EXPECT_FALSE(r.named) << "type " << r.type << " id " << r.id;
    found.insert({r.type, r.id, r.language});
  }
  EXPECT_EQ(resources.size(), 3u);
  EXPECT_EQ(found, (std::set<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>>{
                       {16, 1, 0x0407}, {14, 1, 0}, {3, 30001, 0}}));

  for (const Resource& r : resources) {
    SCOPED_TRACE("type " + std::to_string(r.type));
    const std::vector<std::uint8_t>& icon = resources::StartIconFile();
    if (r.type == 16) {
      EXPECT_EQ(r.data, resources::TesselVersionBlock());
    } else if (r.type == 14) {
      // clang-format off
      EXPECT_EQ(r.data, (std::vector<std::uint8_t>{
          0, 0, 1, 0, 1, 0,                  // reserved, type, count
          32, 32, 16, 0, 1, 0, 4, 0,         // width, height, colours, reserved, planes, bits
          0xE8, 0x02, 0, 0, 0x31, 0x75}));   // 744 bytes, identifier 30001
      // clang-format on
    } else if (r.type == 3) {
      EXPECT_EQ(r.data, std::vector<std::uint8_t>(icon.begin() + 22, icon.end()));
    }
  }
}

// Copies of the program broken where a careless reader would follow a bad offset.
TEST(PeImage, RejectsBrokenCopiesAtTheFieldThatGivesThemAway) {
  const std::vector<std::uint8_t>& good = Tessel98().file();
  const std::uint32_t pe = good[0x3C] | good[0x3D] << 8;
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::string message;
  };
  auto with = [&](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> b = good;
    b[at] = value;
    return b;
  };
  const Case cases[] = {
      {"not an MZ file", with(0, 'X'), "offset 0: expected MZ signature"},
      {"PE header past the end", with(0x3F, 0x40), "expected PE signature (2 bytes)"},
      {"no PE signature", with(pe + 1, 'F'), "offset " + std::to_string(pe) + ": expected PE sig"},
      {"a 64-bit header", with(pe + 25, 0x02), "expected PE32 magic 0x10B, found 0x20B"},
      {"cut inside the sections", {good.begin(), good.begin() + 2048}, "section data inside"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      PeImage image(c.bytes);
      ADD_FAILURE() << "accepted";
    } catch (const PeError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace tessel::pe
