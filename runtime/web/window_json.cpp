#include "runtime/web/window_json.h"

#include <cstdio>
#include <vector>

namespace tessel::runtime::web {
namespace {

// A JSON string: quotes, backslashes and control characters escaped, the rest UTF-8 as it is.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Numbers(const std::vector<int>& numbers) {
  std::string out = "[";
  for (size_t i = 0; i < numbers.size(); ++i) {
    out += (i ? "," : "") + std::to_string(numbers[i]);
  }
  return out + "]";
}

std::string Rect(const PixelRect& r) { return Numbers({r.x, r.y, r.width, r.height}); }

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kCommandButton:
      return "button";
    case ControlKind::kLabel:
      return "label";
    case ControlKind::kImage:
      return "image";
    case ControlKind::kPictureBox:
      return "pictureBox";
  }
  return "";
}

const char* AlignmentName(Alignment alignment) {
  switch (alignment) {
    case Alignment::kRight:
      return "right";
    case Alignment::kCentre:
      return "center";
    case Alignment::kLeft:
      break;
  }
  return "left";
}

std::string ControlJson(const ControlSpec& c) {
  return "{\"id\":" + std::to_string(c.id) + ",\"parent\":" + std::to_string(c.parent_id) +
         ",\"name\":" + Quoted(c.name) + ",\"kind\":\"" + KindName(c.kind) +
         "\",\"rect\":" + Rect(c.rect) + ",\"caption\":" + Quoted(c.caption) +
         ",\"font\":" + FontJson(c.font) + ",\"back\":\"" + ColourCss(c.back_colour) +
         "\",\"fore\":\"" + ColourCss(c.fore_colour) + "\",\"transparent\":" + Bool(c.transparent) +
         ",\"align\":\"" + AlignmentName(c.alignment) + "\",\"autoSize\":" + Bool(c.auto_size) +
         ",\"framed\":" + Bool(c.framed) + ",\"tabStop\":" + Bool(c.tab_stop) +
         ",\"defaultButton\":" + Bool(c.default_button) +
         ",\"wrapWidth\":" + std::to_string(c.wrap_width) + ",\"toolTip\":" + Quoted(c.tool_tip) +
         ",\"picture\":" + Bool(c.picture.has_value()) + "}";
}

}  // namespace

std::string FontJson(const ResolvedFont& font) {
  return "{\"face\":" + Quoted(font.face) + ",\"size\":" + std::to_string(font.pixel_size) +
         ",\"bold\":" + Bool(font.bold) + ",\"italic\":" + Bool(font.italic) +
         ",\"underline\":" + Bool(font.underline) + ",\"strikeOut\":" + Bool(font.strike_out) + "}";
}

std::string ColourCss(Colour colour) {
  char css[40];
  if (IsSystemColour(colour)) {
    std::snprintf(css, sizeof css, "var(--system-colour-%u)", SystemColourIndex(colour));
  } else {
    std::snprintf(css, sizeof css, "#%02x%02x%02x", colour.value & 0xFF, (colour.value >> 8) & 0xFF,
                  (colour.value >> 16) & 0xFF);
  }
  return css;
}

std::string WindowJson(const WindowSpec& spec) {
  const FrameMargins frame = Frame(spec);
  std::string controls = "[";
  for (size_t i = 0; i < spec.controls.size(); ++i) {
    controls += (i ? "," : "") + ControlJson(spec.controls[i]);
  }
  controls += "]";
  return "{\"caption\":" + Quoted(spec.caption) +
         ",\"frame\":" + Numbers({frame.left, frame.top, frame.right, frame.bottom}) +
         ",\"client\":" + Numbers({spec.client.width, spec.client.height}) + ",\"back\":\"" +
         ColourCss(spec.back_colour) + "\",\"font\":" + FontJson(spec.font) +
         ",\"titleFont\":" + FontJson(spec.title_font) +
         ",\"closeBoxName\":" + Quoted(spec.close_box_name) +
         ",\"tabOrder\":" + Numbers(spec.tab_order) +
         ",\"frontToBack\":" + Numbers(spec.front_to_back) +
         ",\"readingOrder\":" + Numbers(spec.reading_order) + ",\"controls\":" + controls + "}";
}

}  // namespace tessel::runtime::web
