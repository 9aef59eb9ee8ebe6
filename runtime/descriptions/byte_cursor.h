#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tessel::descriptions {

// Little-endian reads over bytes it does not own. Offsets are counted from the start of those
// bytes, so errors point into the whole description. Every read names the field it is after;
// a read that would pass the end throws DescriptionError and leaves the cursor where it was.
class ByteCursor {
 public:
  ByteCursor(const std::uint8_t* data, std::size_t size);
  explicit ByteCursor(std::span<const std::uint8_t> bytes);

  std::size_t offset() const { return offset_; }
  std::size_t remaining() const { return size_ - offset_; }
  bool at_end() const { return offset_ == size_; }

  // Moves to `offset`, which may be the end but not past it; throws like a read that would pass
  // the end, naming what was sought there.
  void Seek(std::size_t offset, std::string_view what);

  // The next byte without moving; throws at the end like a read.
  std::uint8_t PeekU8(std::string_view what) const;

  std::uint8_t ReadU8(std::string_view what);
  std::uint16_t ReadU16(std::string_view what);
  std::int16_t ReadI16(std::string_view what);
  std::uint32_t ReadU32(std::string_view what);
  std::int32_t ReadI32(std::string_view what);

  // The next n bytes as a view into the underlying data.
  std::span<const std::uint8_t> ReadBytes(std::size_t n, std::string_view what);

 private:
  // Throws unless n more bytes are there.
  void Require(std::size_t n, std::string_view what) const;

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

}  // namespace tessel::descriptions
