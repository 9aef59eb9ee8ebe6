#include "tools/exe_resources/version_block.h"

#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "tools/pictures/little_endian.h"

namespace tessel::resources {
namespace {

void PadToFour(std::vector<std::uint8_t>& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

std::uint16_t CheckedLength(std::size_t size, const std::u16string& key, const char* what) {
  if (size > std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("version node \"" + std::string(key.begin(), key.end()) +
                            "\": " + what + " of " + std::to_string(size) + " bytes exceeds 65535");
  }
  return static_cast<std::uint16_t>(size);
}

}  // namespace

VersionNode BinaryNode(std::u16string key, std::vector<std::uint8_t> value,
                       std::vector<VersionNode> children) {
  const std::uint16_t length = CheckedLength(value.size(), key, "value");
  return {std::move(key), VersionValueType::kBinary, std::move(value), length, std::move(children)};
}

VersionNode GroupNode(std::u16string key, VersionValueType type,
                      std::vector<VersionNode> children) {
  return {std::move(key), type, {}, 0, std::move(children)};
}

VersionNode TextNode(std::u16string key, std::u16string_view text) {
  std::vector<std::uint8_t> value;
  for (const char16_t c : text) PutU16(value, c);
  PutU16(value, 0);
  const std::uint16_t length = CheckedLength(value.size(), key, "text");
  return {std::move(key), VersionValueType::kText, std::move(value), length, {}};
}

std::vector<std::uint8_t> EncodeVersionNode(const VersionNode& node) {
  std::vector<std::uint8_t> out;
  PutU16(out, 0);  // wLength, known at the end
  PutU16(out, node.value_length);
  PutU16(out, static_cast<std::uint16_t>(node.type));
  for (const char16_t c : node.key) PutU16(out, c);
  PutU16(out, 0);
  PadToFour(out);
  out.insert(out.end(), node.value.begin(), node.value.end());
  PadToFour(out);
  for (const VersionNode& child : node.children) {
    const std::vector<std::uint8_t> bytes = EncodeVersionNode(child);
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  const std::uint16_t length = CheckedLength(out.size(), node.key, "node");
  out[0] = static_cast<std::uint8_t>(length & 0xFF);
  out[1] = static_cast<std::uint8_t>(length >> 8);
  return out;
}

}  // namespace tessel::resources
