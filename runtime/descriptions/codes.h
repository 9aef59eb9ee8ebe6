#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessel::descriptions {

// A block's class code is the first field of the class identifier, less the picture box's,
// divided by 8.
enum class ClassCode : std::uint8_t {
  kPictureBox = 0x00,
  kLabel = 0x01,
  kCommandButton = 0x04,
  kWindow = 0x0D,
  kImage = 0x18,
};

// How a property's value is laid out; the class table says which kind a code carries.
enum class ValueKind : std::uint8_t {
  kText,        // u16 length n, n bytes cp1252, one zero byte
  kByte,        // u8; as a flag FF is true
  kInteger,     // i16
  kColour,      // u32 colour value
  kGeometry,    // four i16: Left, Top, Width, Height
  kClientRect,  // four i32: ClientLeft, ClientTop, ClientWidth, ClientHeight
  kFont,        // font record
  kPicture,     // u32 length, then a framed picture
  kFourBytes,   // four bytes without structure
};

// Each class's properties by code. The last group of each, kKept..., are settings whose role
// nothing of ours knows: read, checked for their kind, dumped and written back as stored, and
// named as the dump names them, by their code.

enum class WindowProperty : std::uint8_t {
  kCaption = 0x01,
  kBackColor = 0x03,
  kBorderStyle = 0x22,
  kIcon = 0x23,
  kLinkTopic = 0x24,
  kClientRect = 0x35,
  kMouseIcon = 0x3B,
  kStartUpPosition = 0x46,
  kKeptSetting19 = 0x19,
  kKeptFlag26 = 0x26,
  kKeptFlag27 = 0x27,
  kKeptFlag28 = 0x28,
  kKeptFlag32 = 0x32,
  kKeptFlag3E = 0x3E,
  kKeptFlag44 = 0x44,
};

enum class CommandButtonProperty : std::uint8_t {
  kCaption = 0x01,
  kGeometry = 0x04,
  kTabIndex = 0x11,
  kDefaultButton = 0x13,  // FF: Enter presses it wherever the focus is
  kTabStop = 0x18,        // absent or FF: Tab stops on it
  kFont = 0x1D,
  kToolTipText = 0x25,
  kKeptSetting0A = 0x0A,
};

enum class LabelProperty : std::uint8_t {
  kCaption = 0x01,
  kBackColor = 0x03,
  kForeColor = 0x04,
  kGeometry = 0x05,
  kTabIndex = 0x12,
  kBorderStyle = 0x13,  // 1: a thin single-line frame
  kAlignment = 0x14,
  kAutoSize = 0x18,
  kBackStyle = 0x1F,  // absent or 1: the back colour is painted; 0: transparent
  kFont = 0x25,
  kKeptFlag27 = 0x27,
};

enum class PictureBoxProperty : std::uint8_t {
  kBackColor = 0x01,
  kGeometry = 0x05,
  kBorderStyle = 0x09,  // absent or 1: the sunken frame; 0: none
  kTabIndex = 0x12,
  kKeptSetting1A = 0x1A,
};

enum class ImageProperty : std::uint8_t {
  kPicture = 0x02,
  kGeometry = 0x03,
  kKeptFlag07 = 0x07,
  kKeptFlag15 = 0x15,
};

struct PropertyInfo {
  std::uint8_t code;
  ValueKind kind;
  std::string_view name;
};

// The property table of a class; nullopt for a code the class does not know.
std::optional<PropertyInfo> FindProperty(ClassCode class_code, std::uint8_t code);

// nullopt for a byte that is not one of the five class codes.
std::optional<ClassCode> ToClassCode(std::uint8_t byte);

std::string_view ClassName(ClassCode class_code);

}  // namespace tessel::descriptions
