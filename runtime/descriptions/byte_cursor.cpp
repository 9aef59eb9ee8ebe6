#include "runtime/descriptions/byte_cursor.h"

#include <string>

#include "runtime/descriptions/description_error.h"

namespace tessel::descriptions {

namespace {

std::string Plural(std::size_t n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }

}  // namespace

ByteCursor::ByteCursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

ByteCursor::ByteCursor(std::span<const std::uint8_t> bytes)
    : ByteCursor(bytes.data(), bytes.size()) {}

void ByteCursor::Require(std::size_t n, std::string_view what) const {
  if (n <= remaining()) return;
  std::string expected(what);
  if (n > 1) expected += " (" + Plural(n) + ")";
  std::string found =
      at_end() ? std::string("end of data") : "only " + Plural(remaining()) + " before the end";
  throw DescriptionError(offset_, std::move(expected), std::move(found));
}

void ByteCursor::Seek(std::size_t offset, std::string_view what) {
  if (offset > size_) {
    throw DescriptionError(offset, std::string(what),
                           "the end of data at offset " + std::to_string(size_));
  }
  offset_ = offset;
}

std::uint8_t ByteCursor::PeekU8(std::string_view what) const {
  Require(1, what);
  return data_[offset_];
}

std::uint8_t ByteCursor::ReadU8(std::string_view what) {
  std::uint8_t value = PeekU8(what);
  ++offset_;
  return value;
}

std::uint16_t ByteCursor::ReadU16(std::string_view what) {
  std::span<const std::uint8_t> b = ReadBytes(2, what);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::int16_t ByteCursor::ReadI16(std::string_view what) {
  return static_cast<std::int16_t>(ReadU16(what));
}

std::uint32_t ByteCursor::ReadU32(std::string_view what) {
  std::span<const std::uint8_t> b = ReadBytes(4, what);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::int32_t ByteCursor::ReadI32(std::string_view what) {
  return static_cast<std::int32_t>(ReadU32(what));
}

std::span<const std::uint8_t> ByteCursor::ReadBytes(std::size_t n, std::string_view what) {
  Require(n, what);
  std::span<const std::uint8_t> bytes(data_ + offset_, n);
  offset_ += n;
  return bytes;
}

}  // namespace tessel::descriptions
