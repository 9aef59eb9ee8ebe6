#include "runtime/descriptions/value_reader.h"

#include <algorithm>

#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/hex.h"
#include "runtime/descriptions/picture_value.h"

namespace tessel::descriptions {

namespace {

constexpr std::uint8_t kFontVersion = 1;

// Throws at the first zero byte of bytes, which start at offset `at`.
void RejectZeroBytes(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view what) {
  auto zero = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  if (zero == bytes.end()) return;
  throw DescriptionError(
      at + static_cast<std::size_t>(zero - bytes.begin()),
      std::string(what) + " of " + std::to_string(bytes.size()) + " bytes without a zero byte",
      "a zero byte");
}

std::string Field(const PropertyInfo& property, std::string_view part) {
  return std::string(property.name) + " " + std::string(part);
}

Geometry ReadGeometry(ByteCursor& cursor, const PropertyInfo& property) {
  Geometry g;
  g.left = cursor.ReadI16(Field(property, "Left"));
  g.top = cursor.ReadI16(Field(property, "Top"));
  g.width = cursor.ReadI16(Field(property, "Width"));
  g.height = cursor.ReadI16(Field(property, "Height"));
  return g;
}

ClientRect ReadClientRect(ByteCursor& cursor) {
  ClientRect r;
  r.left = cursor.ReadI32("ClientLeft");
  r.top = cursor.ReadI32("ClientTop");
  r.width = cursor.ReadI32("ClientWidth");
  r.height = cursor.ReadI32("ClientHeight");
  return r;
}

// Font record: version, charset, attributes, weight, size, then a face name counted by one
// byte and not terminated.
FontRecord ReadFont(ByteCursor& cursor) {
  FontRecord font;
  std::size_t version_at = cursor.offset();
  font.version = cursor.ReadU8("font version");
  if (font.version != kFontVersion) {
    throw DescriptionError(version_at, "font version 1", std::to_string(font.version));
  }
  font.charset = cursor.ReadU16("font character set");
  font.attributes = cursor.ReadU8("font attributes");
  font.weight = cursor.ReadU16("font weight");
  font.size = cursor.ReadU32("font size");
  std::uint8_t length = cursor.ReadU8("font face length");
  std::size_t face_at = cursor.offset();
  std::span<const std::uint8_t> face = cursor.ReadBytes(length, "font face name");
  RejectZeroBytes(face, face_at, "font face name");
  font.face.assign(face.begin(), face.end());
  return font;
}

FourBytes ReadFourBytes(ByteCursor& cursor, const PropertyInfo& property) {
  std::span<const std::uint8_t> bytes = cursor.ReadBytes(4, property.name);
  FourBytes value;
  std::copy(bytes.begin(), bytes.end(), value.begin());
  return value;
}

}  // namespace

std::string ReadText(ByteCursor& cursor, std::string_view what) {
  std::uint16_t length = cursor.ReadU16(std::string(what) + " length");
  std::size_t text_at = cursor.offset();
  std::span<const std::uint8_t> text = cursor.ReadBytes(length, what);
  RejectZeroBytes(text, text_at, what);
  std::size_t end_at = cursor.offset();
  std::uint8_t end = cursor.ReadU8("zero byte ending " + std::string(what));
  if (end != 0) {
    throw DescriptionError(
        end_at,
        "zero byte ending " + std::string(what) + " of " + std::to_string(length) + " bytes",
        HexByte(end));
  }
  return {text.begin(), text.end()};
}

Value ReadValue(ByteCursor& cursor, const PropertyInfo& property) {
  switch (property.kind) {
    case ValueKind::kText:
      return ReadText(cursor, property.name);
    case ValueKind::kByte:
      return cursor.ReadU8(property.name);
    case ValueKind::kInteger:
      return cursor.ReadI16(property.name);
    case ValueKind::kColour:
      return Colour{cursor.ReadU32(property.name)};
    case ValueKind::kGeometry:
      return ReadGeometry(cursor, property);
    case ValueKind::kClientRect:
      return ReadClientRect(cursor);
    case ValueKind::kFont:
      return ReadFont(cursor);
    case ValueKind::kPicture:
      return ReadPictureValue(cursor);
    case ValueKind::kFourBytes:
      return ReadFourBytes(cursor, property);
  }
  throw DescriptionError(cursor.offset(), "a property of a known kind",
                         "kind " + std::to_string(static_cast<int>(property.kind)));
}

}  // namespace tessel::descriptions
