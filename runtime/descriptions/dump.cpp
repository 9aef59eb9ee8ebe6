#include "runtime/descriptions/dump.h"

#include "runtime/descriptions/hex.h"
#include "runtime/descriptions/value_text.h"

namespace tessel::descriptions {

namespace {

constexpr std::size_t kIndent = 2;
constexpr std::size_t kNameColumn = 18;

std::string PropertyName(ClassCode class_code, std::uint8_t code) {
  std::optional<PropertyInfo> info = FindProperty(class_code, code);
  return info ? std::string(info->name) : "Property " + HexByte(code);
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

// The block's heading, its properties one per line, then its controls one level deeper.
void DumpBlock(std::string& out, const Block& block, std::size_t depth) {
  std::string indent(depth * kIndent, ' ');
  out += indent + block.name + " (" + std::string(ClassName(block.class_code)) + ", id " +
         std::to_string(block.id) + ")\n";
  indent.append(kIndent, ' ');
  for (const Property& property : block.properties) {
    out += indent + Padded(PropertyName(block.class_code, property.code), kNameColumn) +
           FormatValue(property.value) + "\n";
  }
  for (const Block& child : block.children) {
    out += "\n";
    DumpBlock(out, child, depth + 1);
  }
}

}  // namespace

std::string DumpDescription(const Description& description) {
  std::string out;
  out += Padded("window id", kNameColumn) + FormatGuid(description.window_id) + "\n";
  out += Padded("interface id", kNameColumn) + FormatGuid(description.interface_id) + "\n";
  out += Padded("class id", kNameColumn) + FormatGuid(description.class_id) + "\n";
  out +=
      Padded("controls", kNameColumn) + std::to_string(CountControls(description.window)) + "\n\n";
  DumpBlock(out, description.window, 0);
  return out;
}

}  // namespace tessel::descriptions
