#include "runtime/web/window_json.h"

#include <cstdio>
#include <vector>

#include "runtime/web/page_constants.h"

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

std::string Ids(const std::vector<int>& numbers) {
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

const char* EdgeName(EdgeKind kind) {
  switch (kind) {
    case EdgeKind::kLine:
      return "line";
    case EdgeKind::kSunken:
      return "sunken";
    case EdgeKind::kNone:
      break;
  }
  return "none";
}

std::string RectJson(const PixelRect& r) {
  char json[80];
  std::snprintf(json, sizeof json, R"({"x":%d,"y":%d,"width":%d,"height":%d})", r.x, r.y, r.width,
                r.height);
  return json;
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
  return JsonObject()
      .Number("id", c.id)
      .Number("parent", c.parent_id)
      .Text("name", c.name)
      .Text("kind", KindName(c.kind))
      .Json("rect", RectJson(c.rect))
      .Text("caption", c.caption)
      .Json("font", FontJson(c.font))
      .Text("back", ColourCss(c.back_colour))
      .Text("fore", ColourCss(c.fore_colour))
      .Flag("transparent", c.transparent)
      .Text("align", AlignmentName(c.alignment))
      .Flag("autoSize", c.auto_size)
      .Json("edge",
            JsonObject().Text("kind", EdgeName(c.edge.kind)).Number("width", c.edge.width).Close())
      .Flag("tabStop", c.tab_stop)
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
  if (!IsSystemColour(colour)) return RgbCss(descriptions::FixedRgb(colour));
  char css[40];
  std::snprintf(css, sizeof css, "var(%.*s%u)", static_cast<int>(kSystemColourVariable.size()),
                kSystemColourVariable.data(), SystemColourIndex(colour));
  return css;
}

std::string WindowJson(const WindowSpec& spec) {
  std::string controls = "[";
  for (size_t i = 0; i < spec.controls.size(); ++i) {
    controls += (i ? "," : "") + ControlJson(spec.controls[i]);
  }
  controls += "]";
  const TitleBar& title = spec.title_bar;
  return JsonObject()
      .Text("caption", spec.caption)
      .Json("outer", RectJson(OuterSize(spec)))
      .Json("client", RectJson(spec.client))
      .Text("back", ColourCss(spec.back_colour))
      .Json("font", FontJson(spec.font))
      .Json("titleBar", JsonObject()
                            .Json("bar", RectJson(title.bar))
                            .Json("closeBox", RectJson(title.close_box))
                            .Json("caption", RectJson(title.caption))
                            .Json("font", FontJson(title.font))
                            .Close())
      .Text("closeBoxName", spec.close_box_name)
      .Json("tabOrder", Ids(spec.tab_order))
      .Json("frontToBack", Ids(spec.front_to_back))
      .Json("readingOrder", Ids(spec.reading_order))
      .Number("defaultButton", spec.default_button)
      .Json("controls", controls)
      .Close();
}

}  // namespace tessel::runtime::web
