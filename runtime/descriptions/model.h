#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "runtime/descriptions/codes.h"

namespace tessel::descriptions {

// Identifiers in the platform's GUID layout: u32, two u16, eight bytes.
struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};
  bool operator==(const Guid&) const = default;
};

// The runtime's window class; every header carries it at offset 37.
inline constexpr Guid kWindowClassId{
    0x33AD4F3A, 0x6699, 0x11CF, {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}};

// 0x00BBGGRR is a fixed colour; 0x80000000 + n is system colour n.
struct Colour {
  std::uint32_t value = 0;
  bool operator==(const Colour&) const = default;
};

struct Geometry {
  std::int16_t left = 0;
  std::int16_t top = 0;
  std::int16_t width = 0;
  std::int16_t height = 0;
  bool operator==(const Geometry&) const = default;
};

struct ClientRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const ClientRect&) const = default;
};

struct FontRecord {
  std::uint8_t version = 1;
  std::uint16_t charset = 0;
  std::uint8_t attributes = 0;  // italic, underline, strikethrough bits
  std::uint16_t weight = 400;
  std::uint32_t size = 0;  // 1/10000 point
  std::string face;        // cp1252
  bool operator==(const FontRecord&) const = default;
};

// The picture file itself (icon, cursor or bitmap); the "lt" framing is added on write.
struct Picture {
  std::vector<std::uint8_t> file;
  bool operator==(const Picture&) const = default;
};

using FourBytes = std::array<std::uint8_t, 4>;

// One alternative per value kind, in the order of ValueKind. Text is cp1252 bytes.
using Value = std::variant<std::string, std::uint8_t, std::int16_t, Colour, Geometry, ClientRect,
                           FontRecord, Picture, FourBytes>;

struct Property {
  std::uint8_t code = 0;
  Value value;
  bool operator==(const Property&) const = default;
};

// The window or one control, with the controls it holds.
struct Block {
  std::uint8_t id = 0;
  std::string name;
  ClassCode class_code = ClassCode::kWindow;
  std::vector<Property> properties;  // strictly ascending codes
  std::vector<Block> children;
  bool operator==(const Block&) const = default;

  const Value* Find(std::uint8_t code) const;
  template <typename Code>
  const Value* Find(Code code) const {
    return Find(static_cast<std::uint8_t>(code));
  }
};

struct Description {
  Guid window_id;
  Guid interface_id;
  Guid class_id;  // the runtime's window class, the same in every description
  Block window;
  bool operator==(const Description&) const = default;
};

// Controls in the tree, the window not counted, nested ones counted.
int CountControls(const Block& window);

}  // namespace tessel::descriptions
