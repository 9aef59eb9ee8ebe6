// Any bytes as an icon file for the executable's resources: the splitter either rejects them with
// std::invalid_argument or returns a 20-byte group entry whose stored length and identifier
// agree with the image it hands on, and that image is the one the file's directory points at.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <stdexcept>
#include <vector>

#include "tools/exe_resources/icon_resources.h"

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace r = tessel::resources;
  const std::span<const std::uint8_t> file(data, size);
  constexpr std::uint16_t kId = 0x1234;
  try {
    const r::IconResources out = r::SplitIconFile(file, kId);
    if (out.group.size() != 20) std::abort();
    if (U32(out.group, 14) != out.image.size()) std::abort();
    if (out.group[18] != 0x34 || out.group[19] != 0x12) std::abort();
    // The image is the bytes the directory entry's offset and length name.
    const std::uint32_t offset =
        data[18] | data[19] << 8 | data[20] << 16 | static_cast<std::uint32_t>(data[21]) << 24;
    if (!std::ranges::equal(out.image, file.subspan(offset, out.image.size()))) std::abort();
  } catch (const std::invalid_argument&) {
  }
  return 0;
}
