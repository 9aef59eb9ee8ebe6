#include "runtime/descriptions/value_writer.h"

#include <limits>
#include <stdexcept>

#include "runtime/descriptions/layout.h"

namespace tessel::descriptions {

namespace {

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

void WriteFont(ByteWriter& writer, const FontRecord& font) {
  if (font.face.size() > std::numeric_limits<std::uint8_t>::max()) {
    throw std::length_error("font face name longer than 255 bytes: " + font.face.substr(0, 40));
  }
  writer.PutU8(font.version);
  writer.PutU16(font.charset);
  writer.PutU8(font.attributes);
  writer.PutU16(font.weight);
  writer.PutU32(font.size);
  writer.PutU8(static_cast<std::uint8_t>(font.face.size()));
  writer.PutBytes(BytesOf(font.face));
}

struct ValueWriter {
  ByteWriter& writer;

  void operator()(const std::string& text) const { WriteText(writer, text); }
  void operator()(std::uint8_t byte) const { writer.PutU8(byte); }
  void operator()(std::int16_t integer) const { writer.PutI16(integer); }
  void operator()(const Colour& colour) const { writer.PutU32(colour.value); }
  void operator()(const Geometry& g) const {
    writer.PutI16(g.left);
    writer.PutI16(g.top);
    writer.PutI16(g.width);
    writer.PutI16(g.height);
  }
  void operator()(const ClientRect& r) const {
    writer.PutI32(r.left);
    writer.PutI32(r.top);
    writer.PutI32(r.width);
    writer.PutI32(r.height);
  }
  void operator()(const FontRecord& font) const { WriteFont(writer, font); }
  void operator()(const Picture& picture) const { WritePictureValue(writer, picture); }
  void operator()(const FourBytes& bytes) const { writer.PutBytes(bytes); }
};

}  // namespace

void WritePictureValue(ByteWriter& writer, const Picture& picture) {
  using layout::kPictureFraming;
  if (picture.file.size() > std::numeric_limits<std::uint32_t>::max() - kPictureFraming) {
    throw std::length_error("picture file too long for a picture value");
  }
  auto file_length = static_cast<std::uint32_t>(picture.file.size());
  writer.PutU32(file_length + kPictureFraming);
  writer.PutBytes(layout::kPictureTag);
  writer.PutU32(file_length);
  writer.PutBytes(picture.file);
}

void WriteText(ByteWriter& writer, const std::string& text) {
  if (text.size() > std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("text longer than 65535 bytes: " + text.substr(0, 40));
  }
  writer.PutU16(static_cast<std::uint16_t>(text.size()));
  writer.PutBytes(BytesOf(text));
  writer.PutU8(0);
}

void WriteValue(ByteWriter& writer, const Value& value) { std::visit(ValueWriter{writer}, value); }

}  // namespace tessel::descriptions
