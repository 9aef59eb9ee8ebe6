#include "runtime/descriptions/reader.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "runtime/descriptions/byte_cursor.h"
#include "runtime/descriptions/hex.h"
#include "runtime/descriptions/layout.h"
#include "runtime/descriptions/value_reader.h"

namespace tessel::descriptions {

namespace {

using namespace layout;

struct Header {
  int control_count = 0;
  Guid window_id;
  Guid interface_id;
};

Guid ReadGuid(ByteCursor& cursor, const std::string& what) {
  Guid guid;
  guid.data1 = cursor.ReadU32(what);
  guid.data2 = cursor.ReadU16(what);
  guid.data3 = cursor.ReadU16(what);
  std::span<const std::uint8_t> tail = cursor.ReadBytes(guid.data4.size(), what);
  std::copy(tail.begin(), tail.end(), guid.data4.begin());
  return guid;
}

void ReadSignature(ByteCursor& cursor) {
  std::span<const std::uint8_t> signature = cursor.ReadBytes(kSignature.size(), "signature");
  if (!std::equal(signature.begin(), signature.end(), kSignature.begin())) {
    throw DescriptionError(0, "signature " + HexBytes(kSignature), HexBytes(signature));
  }
}

void ReadReservedZeros(ByteCursor& cursor) {
  for (std::size_t i = 0; i < kReservedBytes; ++i) {
    std::size_t at = cursor.offset();
    std::uint8_t byte = cursor.ReadU8("reserved zero byte");
    if (byte != 0) throw DescriptionError(at, "reserved zero byte", HexByte(byte));
  }
}

// Reads the 93 header bytes; the rest length must reach exactly to the end of the bytes.
Header ReadHeader(ByteCursor& cursor, std::size_t total_length) {
  Header header;
  ReadSignature(cursor);
  header.control_count = cursor.ReadU8("control count");
  header.window_id = ReadGuid(cursor, "window identifier");
  header.interface_id = ReadGuid(cursor, "interface identifier");
  Guid class_id = ReadGuid(cursor, "window class identifier");
  if (class_id != kWindowClassId) {
    throw DescriptionError(kClassIdAt, "window class identifier " + FormatGuid(kWindowClassId),
                           FormatGuid(class_id));
  }
  ReadReservedZeros(cursor);
  std::uint32_t rest = cursor.ReadU32("rest length");
  if (kRestLengthAt + rest != total_length) {
    throw DescriptionError(kRestLengthAt,
                           "rest length " + std::to_string(total_length - kRestLengthAt) +
                               " (from offset 89 to the end)",
                           std::to_string(rest));
  }
  return header;
}

std::uint8_t ReadControlId(ByteCursor& cursor, int expected) {
  std::size_t at = cursor.offset();
  std::uint8_t id = cursor.ReadU8("control id");
  if (id != expected) {
    throw DescriptionError(at, "control id " + std::to_string(expected), std::to_string(id));
  }
  return id;
}

// The window's block must carry the window class, and no control may.
ClassCode ReadClass(ByteCursor& cursor, bool window) {
  std::size_t at = cursor.offset();
  std::uint8_t byte = cursor.ReadU8("class code");
  std::optional<ClassCode> code = ToClassCode(byte);
  if (window && code != ClassCode::kWindow) {
    throw DescriptionError(at, "window class code 0x0D", HexByte(byte));
  }
  if (!window && (!code || code == ClassCode::kWindow)) {
    throw DescriptionError(at, "control class code 0x00, 0x01, 0x04 or 0x18", HexByte(byte));
  }
  return *code;
}

// Reads code and value pairs up to the closing FF; codes must belong to the class and ascend.
std::vector<Property> ReadProperties(ByteCursor& cursor, ClassCode class_code) {
  std::vector<Property> properties;
  for (;;) {
    std::size_t at = cursor.offset();
    std::uint8_t code = cursor.ReadU8("property code or FF");
    if (code == kEndOfProperties) return properties;
    std::optional<PropertyInfo> info = FindProperty(class_code, code);
    if (!info) {
      throw DescriptionError(at, "property code of a " + std::string(ClassName(class_code)),
                             HexByte(code));
    }
    if (!properties.empty() && code <= properties.back().code) {
      throw DescriptionError(at, "property code above " + HexByte(properties.back().code),
                             HexByte(code));
    }
    properties.push_back({code, ReadValue(cursor, *info)});
  }
}

// Reads one block: length, control id, name, class, properties, FF. The length must reach
// exactly past the FF.
Block ReadBlock(ByteCursor& cursor, int expected_id) {
  std::size_t start = cursor.offset();
  std::uint32_t length = cursor.ReadU32("block length");
  Block block;
  block.id = ReadControlId(cursor, expected_id);
  block.name = ReadText(cursor, "name");
  block.class_code = ReadClass(cursor, expected_id == 0);
  block.properties = ReadProperties(cursor, block.class_code);
  std::size_t measured = cursor.offset() - start;
  if (measured != length) {
    throw DescriptionError(start, "block length " + std::to_string(measured),
                           std::to_string(length));
  }
  return block;
}

void ReadEnd(ByteCursor& cursor) {
  std::size_t at = cursor.offset();
  std::uint8_t byte = cursor.ReadU8("structure byte 04");
  if (byte != kEnd)
    throw DescriptionError(at, "structure byte 04 (all lists closed)", HexByte(byte));
  if (!cursor.at_end()) {
    throw DescriptionError(cursor.offset(), "end of the description after 04",
                           std::to_string(cursor.remaining()) + " more bytes");
  }
}

// Reads the structure bytes after a control's block, opening and closing lists on `open`.
// Returns true when another block follows, false after the final 04.
bool ReadStructure(ByteCursor& cursor, std::vector<Block*>& open, Block& just_read) {
  bool may_hold = just_read.class_code == ClassCode::kPictureBox;
  std::string expected = may_hold ? "structure byte 01, 02 or 03" : "structure byte 02 or 03";
  std::size_t at = cursor.offset();
  std::uint8_t byte = cursor.ReadU8("structure byte");
  if (byte == kChildrenFollow && may_hold) {
    open.push_back(&just_read);
    return true;
  }
  while (byte == kListEnds) {
    open.pop_back();
    if (open.empty()) {
      ReadEnd(cursor);
      return false;
    }
    expected = "structure byte 02 or 03";
    at = cursor.offset();
    byte = cursor.ReadU8("structure byte");
  }
  if (byte == kSiblingFollows) return true;
  throw DescriptionError(at, expected, HexByte(byte));
}

// Reads the controls after the window's block; returns how many blocks were read.
int ReadControls(ByteCursor& cursor, Block& window) {
  std::size_t at = cursor.offset();
  std::uint8_t byte = cursor.ReadU8("structure byte 01");
  if (byte != kChildrenFollow) {
    throw DescriptionError(at, "structure byte 01 after the window's block", HexByte(byte));
  }
  std::vector<Block*> open{&window};
  int next_id = 1;
  for (;;) {
    Block& block = open.back()->children.emplace_back(ReadBlock(cursor, next_id++));
    if (!ReadStructure(cursor, open, block)) return next_id - 1;
  }
}

}  // namespace

Description ReadDescription(std::span<const std::uint8_t> bytes) {
  ByteCursor cursor(bytes);
  Header header = ReadHeader(cursor, bytes.size());
  Description description{header.window_id, header.interface_id, kWindowClassId, {}};
  description.window = ReadBlock(cursor, 0);
  int controls = ReadControls(cursor, description.window);
  if (controls != header.control_count) {
    throw DescriptionError(kControlCountAt,
                           "control count " + std::to_string(controls) + " (blocks read)",
                           std::to_string(header.control_count));
  }
  return description;
}

}  // namespace tessel::descriptions
