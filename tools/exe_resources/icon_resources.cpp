#include "tools/exe_resources/icon_resources.h"

#include <stdexcept>
#include <string>

#include "tools/pictures/little_endian.h"

namespace tessel::resources {
namespace {

constexpr std::size_t kFileHeaderSize = 6;
constexpr std::size_t kFileEntrySize = 16;
constexpr std::size_t kInfoHeaderMinSize = 16;  // through biBitCount

[[noreturn]] void Fail(std::size_t offset, const std::string& expected, const std::string& found) {
  throw std::invalid_argument("icon file: offset " + std::to_string(offset) + ": expected " +
                              expected + ", found " + found);
}

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return U16(b, at) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

void Require(std::span<const std::uint8_t> file, std::size_t end, std::size_t at,
             const char* what) {
  if (file.size() < end) {
    Fail(at, what, "end of file at " + std::to_string(file.size()));
  }
}

void ExpectWord(std::span<const std::uint8_t> file, std::size_t at, std::uint16_t want,
                const char* what) {
  const std::uint16_t found = U16(file, at);
  if (found != want)
    Fail(at, std::string(what) + " " + std::to_string(want), std::to_string(found));
}

}  // namespace

IconResources SplitIconFile(std::span<const std::uint8_t> file, std::uint16_t image_id) {
  Require(file, kFileHeaderSize + kFileEntrySize, 0, "icon directory with one entry (22 bytes)");
  ExpectWord(file, 0, 0, "reserved word");
  ExpectWord(file, 2, 1, "type (icon)");
  ExpectWord(file, 4, 1, "image count");

  const std::size_t entry = kFileHeaderSize;
  const std::uint32_t image_size = U32(file, entry + 8);
  const std::uint32_t image_offset = U32(file, entry + 12);
  if (image_size < kInfoHeaderMinSize) {
    Fail(entry + 8, "image length of at least a bitmap header", std::to_string(image_size));
  }
  if (image_offset > file.size() || image_size > file.size() - image_offset) {
    Fail(entry + 12, "image inside the file's " + std::to_string(file.size()) + " bytes",
         std::to_string(image_size) + " bytes at offset " + std::to_string(image_offset));
  }
  const auto image = file.subspan(image_offset, image_size);

  IconResources out;
  PutU16(out.group, 0);
  PutU16(out.group, 1);  // icon, not cursor
  PutU16(out.group, 1);
  out.group.insert(out.group.end(), file.begin() + entry, file.begin() + entry + 4);
  PutU16(out.group, U16(image, 12));  // biPlanes
  PutU16(out.group, U16(image, 14));  // biBitCount
  PutU32(out.group, image_size);
  PutU16(out.group, image_id);
  out.image.assign(image.begin(), image.end());
  return out;
}

}  // namespace tessel::resources
