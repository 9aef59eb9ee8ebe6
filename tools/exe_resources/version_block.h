#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel::resources {

// The two kinds of value a version-resource node can carry; the node's wType.
enum class VersionValueType : std::uint16_t { kBinary = 0, kText = 1 };

// One node of a version resource: a key, an optional value and child nodes.
struct VersionNode {
  std::u16string key;
  VersionValueType type = VersionValueType::kBinary;
  std::vector<std::uint8_t> value;  // stored as is
  std::uint16_t value_length = 0;   // what wValueLength says about the value
  std::vector<VersionNode> children;
};

// A node whose value is binary data; wValueLength is its size in bytes.
VersionNode BinaryNode(std::u16string key, std::vector<std::uint8_t> value,
                       std::vector<VersionNode> children = {});

// A node with children only, no value.
VersionNode GroupNode(std::u16string key, VersionValueType type, std::vector<VersionNode> children);

// A string-table entry: the text in UTF-16LE with its zero character; wValueLength counts its
// bytes, zero character included.
VersionNode TextNode(std::u16string key, std::u16string_view text);

// The node as stored: wLength, wValueLength, wType, the key with its zero character, fill to
// 4 bytes, the value, fill to 4 bytes, then the children. Every node's wLength includes its own
// trailing fill, so each node (and the whole block) is a multiple of 4 bytes long. Throws
// std::length_error when a node outgrows its 16-bit wLength.
std::vector<std::uint8_t> EncodeVersionNode(const VersionNode& node);

}  // namespace tessel::resources
