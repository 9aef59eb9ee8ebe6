// The Tessel98.exe of the release (path in TESSEL98_EXE, the one of the unpacked zip) as a user
// downloads it: stripped, within its size budget, its debugging information in a file beside
// it, and importing nothing that Windows XP lacks. The headers, resources and DLLs are checked
// by the tests of tessel98_pe_test.cpp, which run on the same file.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>

#include "tests/pe/exe_under_test.h"
#include "tests/pe/pe_image.h"

namespace tessel::pe {
namespace {

const Section* FindSection(const PeImage& image, const std::string& name) {
  for (const Section& s : image.headers().sections) {
    if (s.name == name) return &s;
  }
  return nullptr;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The CRC-32 of zlib and of the GNU debug link: reflected, polynomial 0xEDB88320.
std::uint32_t Crc32(const std::vector<std::uint8_t>& bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (const std::uint8_t b : bytes) {
    crc ^= b;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

TEST(ShippedTessel98, IsStrippedAndWithinItsSizeBudget) {
  const PeImage exe(ReadBytes(ExePath()));
  EXPECT_LE(exe.file().size(), 512u * 1024u);
  EXPECT_EQ(exe.headers().symbol_count, 0u) << "COFF symbols left in";
  for (const Section& s : exe.headers().sections) {
    EXPECT_FALSE(s.name.starts_with(".debug")) << s.name;
  }
}

// The debug link section holds the file name, zero-padded to four bytes, and the CRC-32 of the
// debug file; gdb loads the file beside the program only when both agree.
TEST(ShippedTessel98, NamesItsDebugFileByNameAndChecksum) {
  ASSERT_EQ(Crc32({'1', '2', '3', '4', '5', '6', '7', '8', '9'}), 0xCBF43926u);  // the check value
  const PeImage exe(ReadBytes(ExePath()));
  const Section* link = FindSection(exe, ".gnu_debuglink");
  ASSERT_NE(link, nullptr);
  const std::span<const std::uint8_t> data = exe.SectionData(*link);
  const std::string name = "Tessel98.exe.debug";
  const std::size_t crc_at = (name.size() + 1 + 3) / 4 * 4;
  ASSERT_EQ(data.size(), crc_at + 4);
  EXPECT_EQ(std::string(data.begin(), data.begin() + name.size()), name);
  for (std::size_t i = name.size(); i < crc_at; ++i) EXPECT_EQ(data[i], 0) << "padding " << i;

  const std::vector<std::uint8_t> debug_bytes = ReadBytes(ExePath().parent_path() / name);
  const std::uint32_t crc = data[crc_at] | data[crc_at + 1] << 8 | data[crc_at + 2] << 16 |
                            static_cast<std::uint32_t>(data[crc_at + 3]) << 24;
  EXPECT_EQ(crc, Crc32(debug_bytes));

  // What the debug file is for: symbols, and the lines of our own sources.
  const PeImage debug(debug_bytes);
  EXPECT_GT(debug.headers().symbol_count, 0u);
  for (const char* section : {".debug_info", ".debug_line", ".debug_str"}) {
    EXPECT_NE(FindSection(debug, section), nullptr) << section;
  }
  const Section* line_strings = FindSection(debug, ".debug_line_str");
  ASSERT_NE(line_strings, nullptr);
  const std::span<const std::uint8_t> strings = debug.SectionData(*line_strings);
  const std::string text(strings.begin(), strings.end());
  EXPECT_NE(text.find("die_windows.cpp"), std::string::npos) << "no line table of our sources";
}

// Every import on a list of functions that Windows XP has, grouped by DLL. A new import fails
// here until someone has looked up its minimum Windows version and added it to the list.
TEST(ShippedTessel98, ImportsOnlyWhatWindowsXpHas) {
  std::ifstream list(TESSEL_WINDOWS_XP_IMPORTS);
  ASSERT_TRUE(list) << TESSEL_WINDOWS_XP_IMPORTS;
  std::set<std::pair<std::string, std::string>> known;
  std::string dll;
  for (std::string line; std::getline(list, line);) {
    if (line.empty() || line.starts_with('#')) continue;
    if (line.starts_with("  ")) {
      known.insert({dll, line.substr(2)});
    } else {
      dll = Lower(line);
    }
  }
  ASSERT_GT(known.size(), 100u);

  const std::vector<Import> imports = PeImage(ReadBytes(ExePath())).Imports();
  EXPECT_GT(imports.size(), 100u);
  for (const Import& import : imports) {
    EXPECT_TRUE(known.count({Lower(import.dll), import.function}))
        << import.dll << " " << import.function << " is not on the list of Windows XP's functions";
  }
}

}  // namespace
}  // namespace tessel::pe
