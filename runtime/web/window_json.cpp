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

std::string Numbers(const std::vector<int>& numbers) {
  std::string out = "[";
  for (size_t i = 0; i < numbers.size(); ++i) {
    out += (i ? "," : "") + std::to_string(numbers[i]);
  }
  return out + "]";
}

// One JSON object, written field by field in the order given.
class JsonObject {
 public:
  JsonObject& Text(std::string_view name, std::string_view text) {
    return Json(name, Quoted(text));
  }
  JsonObject& Number(std::string_view name, int number) {
    return Json(name, std::to_string(number));
  }
  JsonObject& Flag(std::string_view name, bool flag) { return Json(name, flag ? "true" : "false"); }
  JsonObject& Json(std::string_view name, std::string_view json) {
    out_ += (out_.size() > 1 ? "," : "") + Quoted(name) + ":";
    out_ += json;
    return *this;
  }
  std::string Close() { return out_ + "}"; }

 private:
  std::string out_ = "{";
};

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
  const PixelRect& r = c.rect;
  return JsonObject()
      .Number("id", c.id)
      .Number("parent", c.parent_id)
      .Text("name", c.name)
      .Text("kind", KindName(c.kind))
      .Json("rect", Numbers({r.x, r.y, r.width, r.height}))
      .Text("caption", c.caption)
      .Json("font", FontJson(c.font))
      .Text("back", ColourCss(c.back_colour))
      .Text("fore", ColourCss(c.fore_colour))
      .Flag("transparent", c.transparent)
      .Text("align", AlignmentName(c.alignment))
      .Flag("autoSize", c.auto_size)
      .Flag("framed", c.framed)
      .Flag("tabStop", c.tab_stop)
      .Flag("defaultButton", c.default_button)
      .Number("wrapWidth", c.wrap_width)
      .Text("toolTip", c.tool_tip)
      .Flag("picture", c.picture.has_value())
      .Close();
}

}  // namespace

std::string FontJson(const ResolvedFont& font) {
  return JsonObject()
      .Text("face", font.face)
      .Number("size", font.pixel_size)
      .Flag("bold", font.bold)
      .Flag("italic", font.italic)
      .Flag("underline", font.underline)
      .Flag("strikeOut", font.strike_out)
      .Close();
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
  return JsonObject()
      .Text("caption", spec.caption)
      .Json("frame", Numbers({frame.left, frame.top, frame.right, frame.bottom}))
      .Json("client", Numbers({spec.client.width, spec.client.height}))
      .Text("back", ColourCss(spec.back_colour))
      .Json("font", FontJson(spec.font))
      .Json("titleFont", FontJson(spec.title_font))
      .Text("closeBoxName", spec.close_box_name)
      .Json("tabOrder", Numbers(spec.tab_order))
      .Json("frontToBack", Numbers(spec.front_to_back))
      .Json("readingOrder", Numbers(spec.reading_order))
      .Json("controls", controls)
      .Close();
}

}  // namespace tessel::runtime::web
