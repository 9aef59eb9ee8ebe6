#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "runtime/descriptions/reader.h"
#include "runtime/descriptions/writer.h"
#include "tests/support/description_samples.h"

namespace tessel::descriptions {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Three picture boxes deep, so the description ends 02 02 02 04.
Description DeepSample() {
  Block label{4, "Tief", ClassCode::kLabel, {{0x01, std::string("unten")}}, {}};
  Block inner{3, "P3", ClassCode::kPictureBox, {}, {label}};
  Block middle{2, "P2", ClassCode::kPictureBox, {{0x12, std::int16_t{1}}}, {inner}};
  Block outer{1, "P1", ClassCode::kPictureBox, {}, {middle}};
  return {{}, {}, kWindowClassId, {0, "Tiefe", ClassCode::kWindow, {}, {outer}}};
}

// Any description the reader accepts has exactly one byte form, so writing it back must give
// the very same bytes.
TEST(DescriptionSeedCorpus, EverySeedReadsAndWritesBackByteForByte) {
  int seeds = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(TESSEL_DESCRIPTION_CORPUS)) {
    Bytes bytes = ReadFile(entry.path());
    EXPECT_EQ(WriteDescription(ReadDescription(bytes)), bytes) << entry.path();
    ++seeds;
  }
  EXPECT_GE(seeds, 3);
}

// Writes the seeds when TESSEL_WRITE_SEEDS names a directory; otherwise there is nothing to do.
TEST(DescriptionSeedCorpus, Generate) {
  const char* dir = std::getenv("TESSEL_WRITE_SEEDS");
  if (dir == nullptr) GTEST_SKIP() << "set TESSEL_WRITE_SEEDS=<dir> to write the seed corpus";
  const std::pair<const char*, Description> seeds[] = {
      {"full.bin", testing::FullSample()},
      {"minimal.bin", testing::MinimalSample()},
      {"deep.bin", DeepSample()},
  };
  for (const auto& [name, description] : seeds) {
    Bytes bytes = WriteDescription(description);
    std::ofstream(fs::path(dir) / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
}

}  // namespace
}  // namespace tessel::descriptions
