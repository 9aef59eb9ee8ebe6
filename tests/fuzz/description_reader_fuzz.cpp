// Any bytes: the reader either rejects them with DescriptionError or returns a description that
// writes back to the very same bytes, since the format leaves one byte form per description.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "runtime/descriptions/dump.h"
#include "runtime/descriptions/reader.h"
#include "runtime/descriptions/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace d = tessel::descriptions;
  std::span<const std::uint8_t> bytes(data, size);
  try {
    d::Description description = d::ReadDescription(bytes);
    std::vector<std::uint8_t> again = d::WriteDescription(description);
    if (!std::equal(again.begin(), again.end(), bytes.begin(), bytes.end())) std::abort();
    d::DumpDescription(description);
  } catch (const d::DescriptionError&) {
  }
  return 0;
}
