// Any bytes as an executable: the PE reader either rejects them with a PeError or reads headers
// whose sections lie inside the file, and each of its walks (imports, resources) again ends in a
// PeError or in parts that lie inside the file. Never a read outside it, never an endless walk.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "tests/pe/pe_image.h"

namespace {

namespace pe = tessel::pe;

bool Within(const std::vector<std::uint8_t>& file, std::span<const std::uint8_t> part) {
  return part.empty() ||
         (part.data() >= file.data() && part.data() + part.size() <= file.data() + file.size());
}

void WalkImports(const pe::PeImage& image) {
  std::vector<std::string> dlls;
  try {
    dlls = image.ImportedDlls();
  } catch (const pe::PeError&) {
    return;
  }
  // Each descriptor takes 20 bytes of its own, whatever addresses the sections give them.
  if (dlls.size() * 20 > image.file().size()) std::abort();
  try {
    // Both walk the same descriptors, so every function's DLL is one the first walk named.
    const std::vector<pe::Import> imports = image.Imports();
    if (imports.size() * 4 > image.file().size()) std::abort();
    for (const pe::Import& import : imports) {
      if (std::find(dlls.begin(), dlls.end(), import.dll) == dlls.end()) std::abort();
    }
  } catch (const pe::PeError&) {
  }
}

void WalkResources(const pe::PeImage& image) {
  try {
    std::size_t total = 0;
    for (const pe::Resource& resource : image.Resources()) total += resource.data.size();
    if (total > image.file().size()) std::abort();
  } catch (const pe::PeError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  try {
    const pe::PeImage image(std::move(bytes));
    const pe::Headers& headers = image.headers();
    if (headers.checksum_offset + 4 > size) std::abort();
    for (const pe::Section& section : headers.sections) {
      if (!Within(image.file(), image.SectionData(section))) std::abort();
    }
    pe::ImageChecksum(image.file(), headers.checksum_offset);
    WalkImports(image);
    WalkResources(image);
  } catch (const pe::PeError&) {
  }
  return 0;
}
