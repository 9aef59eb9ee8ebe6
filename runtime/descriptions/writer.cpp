#include "runtime/descriptions/writer.h"

#include <limits>
#include <stdexcept>
#include <string>

#include "runtime/descriptions/byte_writer.h"
#include "runtime/descriptions/layout.h"
#include "runtime/descriptions/value_writer.h"

namespace tessel::descriptions {

namespace {

using namespace layout;

// Fills a length field once the bytes it counts, from `from` to the end, are written.
void PatchLength(ByteWriter& writer, std::size_t at, std::size_t from, const std::string& what) {
  std::size_t length = writer.size() - from;
  if (length > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error(what + " longer than a 32-bit length can count");
  }
  writer.PatchU32(at, static_cast<std::uint32_t>(length));
}

void WriteGuid(ByteWriter& writer, const Guid& guid) {
  writer.PutU32(guid.data1);
  writer.PutU16(guid.data2);
  writer.PutU16(guid.data3);
  writer.PutBytes(guid.data4);
}

// Writes the header up to and including a rest length still to be patched.
void WriteHeader(ByteWriter& writer, const Description& description) {
  int controls = CountControls(description.window);
  if (controls > std::numeric_limits<std::uint8_t>::max()) {
    throw std::length_error("more than 255 controls in window " + description.window.name);
  }
  if (controls == 0) {
    throw std::invalid_argument("window " + description.window.name + " has no controls");
  }
  writer.PutBytes(kSignature);
  writer.PutU8(static_cast<std::uint8_t>(controls));
  WriteGuid(writer, description.window_id);
  WriteGuid(writer, description.interface_id);
  WriteGuid(writer, description.class_id);
  for (std::size_t i = 0; i < kReservedBytes; ++i) writer.PutU8(0);
  writer.PutU32(0);
}

// Writes one block: length, id, name, class, properties and the closing FF.
void WriteBlock(ByteWriter& writer, const Block& block) {
  std::size_t start = writer.size();
  writer.PutU32(0);
  writer.PutU8(block.id);
  WriteText(writer, block.name);
  writer.PutU8(static_cast<std::uint8_t>(block.class_code));
  for (const Property& property : block.properties) {
    writer.PutU8(property.code);
    WriteValue(writer, property.value);
  }
  writer.PutU8(kEndOfProperties);
  PatchLength(writer, start, start, "block " + block.name);
}

// Writes a list of sibling blocks, each with its own list after 01; the list ends with 02.
void WriteList(ByteWriter& writer, const std::vector<Block>& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    WriteBlock(writer, list[i]);
    if (!list[i].children.empty()) {
      writer.PutU8(kChildrenFollow);
      WriteList(writer, list[i].children);
    }
    writer.PutU8(i + 1 < list.size() ? kSiblingFollows : kListEnds);
  }
}

}  // namespace

std::vector<std::uint8_t> WriteDescription(const Description& description) {
  ByteWriter writer;
  WriteHeader(writer, description);
  WriteBlock(writer, description.window);
  writer.PutU8(kChildrenFollow);
  WriteList(writer, description.window.children);
  writer.PutU8(kEnd);
  PatchLength(writer, kRestLengthAt, kRestLengthAt, "description");
  return std::move(writer).Take();
}

}  // namespace tessel::descriptions
