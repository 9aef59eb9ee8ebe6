#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessel::testing {

// One block of a description as its own length field lays it out, found without the reader.
struct WalkedBlock {
  std::size_t at;                       // its length field
  std::size_t end;                      // just past its closing FF
  std::string name;                     // the name field's bytes
  std::size_t id_at;                    // its control id
  std::size_t class_at;                 // its class code
  std::vector<std::uint8_t> structure;  // what follows: 01, 03, 04, or 02s and then 03 or 04
};

// Every block from the window's on, in stored order, by their lengths alone; stops after the
// block that 04 follows. Throws std::out_of_range where the bytes end inside a block.
std::vector<WalkedBlock> WalkBlocks(const std::vector<std::uint8_t>& bytes);

// The first block of that name, walked up to it: bytes corrupted after it do not disturb the
// walk. Its structure bytes are left empty. Throws std::invalid_argument when there is none.
WalkedBlock BlockNamed(const std::vector<std::uint8_t>& bytes, const std::string& name);

}  // namespace tessel::testing
