#include "runtime/descriptions/codes.h"

#include <span>

namespace tessel::descriptions {

namespace {

using K = ValueKind;

// One table per class, in ascending code order as they are stored. Settings that nothing reads
// have no known role; they are named by their code so that a dump still tells them apart.
constexpr PropertyInfo kWindowProperties[] = {
    {0x01, K::kText, "Caption"},          {0x03, K::kColour, "BackColor"},
    {0x19, K::kFourBytes, "Setting19"},   {0x22, K::kByte, "BorderStyle"},
    {0x23, K::kPicture, "Icon"},          {0x24, K::kText, "LinkTopic"},
    {0x26, K::kByte, "Flag26"},           {0x27, K::kByte, "Flag27"},
    {0x28, K::kByte, "Flag28"},           {0x32, K::kByte, "Flag32"},
    {0x35, K::kClientRect, "ClientRect"}, {0x3B, K::kPicture, "MouseIcon"},
    {0x3E, K::kByte, "Flag3E"},           {0x44, K::kByte, "Flag44"},
    {0x46, K::kByte, "StartUpPosition"},
};

constexpr PropertyInfo kCommandButtonProperties[] = {
    {0x01, K::kText, "Caption"},       {0x04, K::kGeometry, "Geometry"},
    {0x0A, K::kByte, "Setting0A"},     {0x11, K::kInteger, "TabIndex"},
    {0x13, K::kByte, "DefaultButton"}, {0x18, K::kByte, "TabStop"},
    {0x1D, K::kFont, "Font"},          {0x25, K::kText, "ToolTipText"},
};

constexpr PropertyInfo kLabelProperties[] = {
    {0x01, K::kText, "Caption"},     {0x03, K::kColour, "BackColor"},
    {0x04, K::kColour, "ForeColor"}, {0x05, K::kGeometry, "Geometry"},
    {0x12, K::kInteger, "TabIndex"}, {0x13, K::kByte, "BorderStyle"},
    {0x14, K::kByte, "Alignment"},   {0x18, K::kByte, "AutoSize"},
    {0x1F, K::kByte, "BackStyle"},   {0x25, K::kFont, "Font"},
    {0x27, K::kByte, "Flag27"},
};

constexpr PropertyInfo kPictureBoxProperties[] = {
    {0x01, K::kColour, "BackColor"},    {0x05, K::kGeometry, "Geometry"},
    {0x09, K::kByte, "BorderStyle"},    {0x12, K::kInteger, "TabIndex"},
    {0x1A, K::kFourBytes, "Setting1A"},
};

constexpr PropertyInfo kImageProperties[] = {
    {0x02, K::kPicture, "Picture"},
    {0x03, K::kGeometry, "Geometry"},
    {0x07, K::kByte, "Flag07"},
    {0x15, K::kByte, "Flag15"},
};

std::span<const PropertyInfo> TableOf(ClassCode class_code) {
  switch (class_code) {
    case ClassCode::kPictureBox:
      return kPictureBoxProperties;
    case ClassCode::kLabel:
      return kLabelProperties;
    case ClassCode::kCommandButton:
      return kCommandButtonProperties;
    case ClassCode::kWindow:
      return kWindowProperties;
    case ClassCode::kImage:
      return kImageProperties;
  }
  return {};
}

}  // namespace

std::optional<PropertyInfo> FindProperty(ClassCode class_code, std::uint8_t code) {
  for (const PropertyInfo& info : TableOf(class_code)) {
    if (info.code == code) return info;
  }
  return std::nullopt;
}

std::optional<ClassCode> ToClassCode(std::uint8_t byte) {
  switch (static_cast<ClassCode>(byte)) {
    case ClassCode::kPictureBox:
    case ClassCode::kLabel:
    case ClassCode::kCommandButton:
    case ClassCode::kWindow:
    case ClassCode::kImage:
      return static_cast<ClassCode>(byte);
  }
  return std::nullopt;
}

std::string_view ClassName(ClassCode class_code) {
  switch (class_code) {
    case ClassCode::kPictureBox:
      return "picture box";
    case ClassCode::kLabel:
      return "label";
    case ClassCode::kCommandButton:
      return "command button";
    case ClassCode::kWindow:
      return "window";
    case ClassCode::kImage:
      return "image";
  }
  return "unknown class";
}

}  // namespace tessel::descriptions
