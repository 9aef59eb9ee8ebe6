#include "runtime/core/window_builder.h"

#include <variant>

#include "runtime/descriptions/reader.h"
#include "runtime/core/cp1252.h"

namespace tessel::runtime {
namespace {

using descriptions::Block;
using descriptions::ClassCode;
using descriptions::CommandButtonProperty;
using descriptions::ImageProperty;
using descriptions::LabelProperty;
using descriptions::PictureBoxProperty;
using descriptions::WindowProperty;

template <typename T, typename Code>
const T* Get(const Block& block, Code code) {
  const descriptions::Value* value = block.Find(code);
  return value ? std::get_if<T>(value) : nullptr;
}

template <typename T, typename Code>
T GetOr(const Block& block, Code code, T fallback) {
  const T* value = Get<T>(block, code);
  return value ? *value : fallback;
}

std::string Text(const Block& block, auto code) {
  const std::string* text = Get<std::string>(block, code);
  return text ? Cp1252ToUtf8(*text) : std::string();
}

TwipRect Twips(const descriptions::Geometry& g) { return {g.left, g.top, g.width, g.height}; }

std::vector<std::uint8_t> PictureFile(const Block& block, auto code) {
  const descriptions::Picture* picture = Get<descriptions::Picture>(block, code);
  return picture ? picture->file : std::vector<std::uint8_t>{};
}

std::optional<FontRecord> Font(const Block& block, auto code) {
  const FontRecord* font = Get<FontRecord>(block, code);
  return font ? std::optional<FontRecord>(*font) : std::nullopt;
}

Alignment ToAlignment(std::uint8_t stored) {
  switch (stored) {
    case 1:
      return Alignment::kRight;
    case 2:
      return Alignment::kCentre;
    default:
      return Alignment::kLeft;
  }
}

ControlSpec CommandButton(const Block& block) {
  ControlSpec c;
  c.kind = ControlKind::kCommandButton;
  c.caption = Text(block, CommandButtonProperty::kCaption);
  c.geometry = Twips(GetOr(block, CommandButtonProperty::kGeometry, descriptions::Geometry{}));
  c.tab_index = GetOr<std::int16_t>(block, CommandButtonProperty::kTabIndex, 0);
  c.tab_stop = GetOr<std::uint8_t>(block, CommandButtonProperty::kTabStop, 0xFF) != 0;
  c.default_button = GetOr<std::uint8_t>(block, CommandButtonProperty::kDefaultButton, 0) != 0;
  c.font = Font(block, CommandButtonProperty::kFont);
  c.tool_tip = Text(block, CommandButtonProperty::kToolTipText);
  return c;
}

ControlSpec LabelControl(const Block& block) {
  ControlSpec c;
  c.kind = ControlKind::kLabel;
  c.caption = Text(block, LabelProperty::kCaption);
  c.back_colour = GetOr(block, LabelProperty::kBackColor, Colour{kColourButtonFace});
  c.fore_colour = GetOr(block, LabelProperty::kForeColor, Colour{kColourButtonText});
  c.geometry = Twips(GetOr(block, LabelProperty::kGeometry, descriptions::Geometry{}));
  c.tab_index = GetOr<std::int16_t>(block, LabelProperty::kTabIndex, 0);
  c.framed = GetOr<std::uint8_t>(block, LabelProperty::kBorderStyle, 0) == 1;
  c.alignment = ToAlignment(GetOr<std::uint8_t>(block, LabelProperty::kAlignment, 0));
  c.auto_size = GetOr<std::uint8_t>(block, LabelProperty::kAutoSize, 0) != 0;
  c.transparent = GetOr<std::uint8_t>(block, LabelProperty::kBackStyle, 1) == 0;
  c.font = Font(block, LabelProperty::kFont);
  return c;
}

ControlSpec PictureBox(const Block& block) {
  ControlSpec c;
  c.kind = ControlKind::kPictureBox;
  c.back_colour = GetOr(block, PictureBoxProperty::kBackColor, Colour{kColourButtonFace});
  c.geometry = Twips(GetOr(block, PictureBoxProperty::kGeometry, descriptions::Geometry{}));
  c.tab_index = GetOr<std::int16_t>(block, PictureBoxProperty::kTabIndex, 0);
  c.framed = GetOr<std::uint8_t>(block, PictureBoxProperty::kBorderStyle, 1) != 0;
  return c;
}

ControlSpec Image(const Block& block) {
  ControlSpec c;
  c.kind = ControlKind::kImage;
  c.geometry = Twips(GetOr(block, ImageProperty::kGeometry, descriptions::Geometry{}));
  c.picture = PictureFile(block, ImageProperty::kPicture);
  return c;
}

ControlSpec Control(const Block& block) {
  switch (block.class_code) {
    case ClassCode::kCommandButton:
      return CommandButton(block);
    case ClassCode::kLabel:
      return LabelControl(block);
    case ClassCode::kPictureBox:
      return PictureBox(block);
    case ClassCode::kImage:
    case ClassCode::kWindow:
      break;
  }
  return Image(block);
}

void AddControls(const Block& parent, int parent_id, std::vector<ControlSpec>& out) {
  for (const Block& child : parent.children) {
    ControlSpec c = Control(child);
    c.id = child.id;
    c.parent_id = parent_id;
    c.name = Cp1252ToUtf8(child.name);
    out.push_back(std::move(c));
    AddControls(child, child.id, out);
  }
}

}  // namespace

FontRecord DefaultWindowFont() { return FontRecord{1, 0, 0, 400, 82500, "MS Sans Serif"}; }

BuiltWindow BuildWindow(std::span<const std::uint8_t> description) {
  const descriptions::Description read = descriptions::ReadDescription(description);
  const Block& window = read.window;
  BuiltWindow built;
  WindowSpec& spec = built.spec;
  spec.name = Cp1252ToUtf8(window.name);
  spec.caption = Text(window, WindowProperty::kCaption);
  const auto client = GetOr(window, WindowProperty::kClientRect, descriptions::ClientRect{});
  spec.client = {client.left, client.top, client.width, client.height};
  spec.back_colour = GetOr(window, WindowProperty::kBackColor, Colour{kColourButtonFace});
  spec.font = DefaultWindowFont();
  spec.icon = PictureFile(window, WindowProperty::kIcon);
  AddControls(window, 0, spec.controls);
  built.start_up_position = static_cast<StartUpPosition>(
      GetOr<std::uint8_t>(window, WindowProperty::kStartUpPosition, 0));
  return built;
}

}  // namespace tessel::runtime
