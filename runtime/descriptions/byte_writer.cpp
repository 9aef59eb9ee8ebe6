#include "runtime/descriptions/byte_writer.h"

#include <stdexcept>

namespace tessel::descriptions {

void ByteWriter::PutU8(std::uint8_t value) { bytes_.push_back(value); }

void ByteWriter::PutU16(std::uint16_t value) {
  PutU8(static_cast<std::uint8_t>(value));
  PutU8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::PutI16(std::int16_t value) { PutU16(static_cast<std::uint16_t>(value)); }

void ByteWriter::PutU32(std::uint32_t value) {
  PutU16(static_cast<std::uint16_t>(value));
  PutU16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::PutI32(std::int32_t value) { PutU32(static_cast<std::uint32_t>(value)); }

void ByteWriter::PutBytes(std::span<const std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::PatchU32(std::size_t at, std::uint32_t value) {
  if (at > bytes_.size() || bytes_.size() - at < 4) {
    throw std::out_of_range("ByteWriter::PatchU32 outside the bytes written");
  }
  for (int shift = 0; shift < 32; shift += 8) {
    bytes_[at++] = static_cast<std::uint8_t>(value >> shift);
  }
}

}  // namespace tessel::descriptions
