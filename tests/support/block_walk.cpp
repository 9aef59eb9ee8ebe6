#include "tests/support/block_walk.h"

#include <stdexcept>

namespace tessel::testing {

namespace {

constexpr std::size_t kFirstBlock = 93;  // after the header and its rest length

std::uint32_t LittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) value |= std::uint32_t{bytes.at(at + i)} << (8 * i);
  return value;
}

// A block: u32 length, u8 id, u16 name length, the name, a zero byte, the class code.
WalkedBlock BlockAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  const std::size_t name_length = LittleEndian(bytes, at + 5, 2);
  WalkedBlock block{at, at + LittleEndian(bytes, at, 4), {}, at + 4, at + 8 + name_length, {}};
  const std::size_t name_at = at + 7;
  if (name_at + name_length > bytes.size()) throw std::out_of_range("name past the end");
  block.name.assign(bytes.begin() + static_cast<std::ptrdiff_t>(name_at),
                    bytes.begin() + static_cast<std::ptrdiff_t>(name_at + name_length));
  return block;
}

// Walks until the block named `wanted`, or to the end when it is null.
std::vector<WalkedBlock> Walk(const std::vector<std::uint8_t>& bytes, const std::string* wanted) {
  std::vector<WalkedBlock> blocks;
  std::size_t at = kFirstBlock;
  for (;;) {
    blocks.push_back(BlockAt(bytes, at));
    WalkedBlock& block = blocks.back();
    if (wanted && block.name == *wanted) return blocks;
    at = block.end;
    do block.structure.push_back(bytes.at(at++));
    while (block.structure.back() == 0x02);
    if (block.structure.back() == 0x04) return blocks;
  }
}

}  // namespace

std::vector<WalkedBlock> WalkBlocks(const std::vector<std::uint8_t>& bytes) {
  return Walk(bytes, nullptr);
}

WalkedBlock BlockNamed(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  std::vector<WalkedBlock> blocks = Walk(bytes, &name);
  if (blocks.back().name != name) throw std::invalid_argument("no block named " + name);
  return blocks.back();
}

}  // namespace tessel::testing
