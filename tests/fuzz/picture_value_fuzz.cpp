// Any bytes as a picture value: the framing check either rejects them with a DescriptionError
// that points inside the input, or accepts a record whose parts agree with each other and which
// writes back to exactly the bytes it was read from.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "runtime/descriptions/byte_cursor.h"
#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/picture_value.h"
#include "runtime/descriptions/value_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace d = tessel::descriptions;
  d::ByteCursor cursor(data, size);
  try {
    const d::Picture picture = d::ReadPictureValue(cursor);
    if (cursor.offset() != 12 + picture.file.size()) std::abort();
    d::ByteWriter writer;
    d::WritePictureValue(writer, picture);
    const std::span<const std::uint8_t> read(data, cursor.offset());
    if (!std::ranges::equal(writer.bytes(), read)) std::abort();
  } catch (const d::DescriptionError& error) {
    if (error.offset() > size) std::abort();
  }
  return 0;
}
