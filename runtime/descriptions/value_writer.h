#pragma once

#include <string>

#include "runtime/descriptions/byte_writer.h"
#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// Appends a text as u16 length, its bytes and a zero byte; std::length_error past 65535 bytes.
void WriteText(ByteWriter& writer, const std::string& text);

// Appends a picture's file framed as a picture value: rest length, tag, file length, file;
// std::length_error if it cannot be framed.
void WritePictureValue(ByteWriter& writer, const Picture& picture);

// Appends a value laid out as the kind it holds; std::length_error for a face name past 255
// bytes or a text or picture too long for its length field.
void WriteValue(ByteWriter& writer, const Value& value);

}  // namespace tessel::descriptions
