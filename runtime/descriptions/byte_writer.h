#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessel::descriptions {

// Appends little-endian fields to a growing byte vector.
class ByteWriter {
 public:
  std::size_t size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t> Take() && { return std::move(bytes_); }

  void PutU8(std::uint8_t value);
  void PutU16(std::uint16_t value);
  void PutI16(std::int16_t value);
  void PutU32(std::uint32_t value);
  void PutI32(std::int32_t value);
  void PutBytes(std::span<const std::uint8_t> bytes);

  // Overwrites four bytes already written at `at`: lengths that are known only once the
  // fields they count have been written.
  void PatchU32(std::size_t at, std::uint32_t value);

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace tessel::descriptions
