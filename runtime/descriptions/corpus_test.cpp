#include <gtest/gtest.h>

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

// Any description the reader accepts has exactly one byte form, so writing it back must give
// the very same bytes. tools/write_description_seeds writes the seeds.
TEST(DescriptionSeedCorpus, EverySeedReadsAndWritesBackByteForByte) {
  int seeds = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(TESSEL_DESCRIPTION_CORPUS)) {
    Bytes bytes = ReadFile(entry.path());
    EXPECT_EQ(WriteDescription(ReadDescription(bytes)), bytes) << entry.path();
    ++seeds;
  }
  EXPECT_GE(seeds, 3);
}

}  // namespace
}  // namespace tessel::descriptions
