#include "runtime/core/window_builder.h"

#include <variant>

#include "runtime/core/control_order.h"
#include "runtime/core/fonts.h"
#include "runtime/core/title_bar.h"
#include "runtime/core/units.h"
#include "runtime/descriptions/cp1252.h"
#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/reader.h"

namespace tessel::runtime {
namespace {

using descriptions::Block;
using descriptions::ClassCode;
using descriptions::CommandButtonProperty;
using descriptions::Cp1252ToUtf8;
using descriptions::ImageProperty;
using descriptions::LabelProperty;
using descriptions::PictureBoxProperty;
using descriptions::WindowProperty;

constexpr std::string_view kCloseBoxName = "Schließen";
// A label's frame is a single line; a picture box's sunken edge two, as the system draws a
// client edge.
constexpr Edge kLabelFrame = {EdgeKind::kLine, 1};
constexpr Edge kSunkenEdge = {EdgeKind::kSunken, 2};
// A push button's caption has its 3-D edge and the focus rectangle's margin on either side.
constexpr int kButtonTextInset = 2 * 4;

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
  const auto* text = Get<std::string>(block, code);
  return text ? Cp1252ToUtf8(*text) : std::string();
}

PixelRect Pixels(const descriptions::Geometry& g) {
  return {TwipsToPixels(g.left), TwipsToPixels(g.top), TwipsToPixels(g.width),
          TwipsToPixels(g.height)};
}

// A stored picture that does not read fails the window's build, naming whose picture it is.
std::optional<PictureSpec> StoredPicture(const Block& block, auto code) {
  const auto* picture = Get<descriptions::Picture>(block, code);
  if (!picture) return std::nullopt;
  try {
    return ReadPicture(picture->file);
  } catch (const descriptions::DescriptionError& error) {
    throw descriptions::DescriptionError(
        error.offset(), error.expected(),
        error.found() + " in the picture file of " + Cp1252ToUtf8(block.name));
  }
}

ResolvedFont Font(const Block& block, auto code, const ResolvedFont& window_font) {
  const auto* font = Get<descriptions::FontRecord>(block, code);
  return font ? ResolveFont(*font) : window_font;
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

ControlSpec CommandButton(const Block& block, const ResolvedFont& window_font) {
  ControlSpec c;
  c.kind = ControlKind::kCommandButton;
  c.caption = Text(block, CommandButtonProperty::kCaption);
  c.rect = Pixels(GetOr(block, CommandButtonProperty::kGeometry, descriptions::Geometry{}));
  c.tab_index = GetOr<std::int16_t>(block, CommandButtonProperty::kTabIndex, 0);
  c.tab_stop = GetOr<std::uint8_t>(block, CommandButtonProperty::kTabStop, 0xFF) != 0;
  c.font = Font(block, CommandButtonProperty::kFont, window_font);
  c.tool_tip = Text(block, CommandButtonProperty::kToolTipText);
  return c;
}

ControlSpec LabelControl(const Block& block, const ResolvedFont& window_font) {
  ControlSpec c;
  c.kind = ControlKind::kLabel;
  c.caption = Text(block, LabelProperty::kCaption);
  c.back_colour = GetOr(block, LabelProperty::kBackColor, Colour{kColourButtonFace});
  c.fore_colour = GetOr(block, LabelProperty::kForeColor, Colour{kColourButtonText});
  c.rect = Pixels(GetOr(block, LabelProperty::kGeometry, descriptions::Geometry{}));
  c.tab_index = GetOr<std::int16_t>(block, LabelProperty::kTabIndex, 0);
  if (GetOr<std::uint8_t>(block, LabelProperty::kBorderStyle, 0) == 1) c.edge = kLabelFrame;
  c.alignment = ToAlignment(GetOr<std::uint8_t>(block, LabelProperty::kAlignment, 0));
  c.auto_size = GetOr<std::uint8_t>(block, LabelProperty::kAutoSize, 0) != 0;
  c.transparent = GetOr<std::uint8_t>(block, LabelProperty::kBackStyle, 1) == 0;
  c.font = Font(block, LabelProperty::kFont, window_font);
  return c;
}

ControlSpec PictureBox(const Block& block, const ResolvedFont& window_font) {
  ControlSpec c;
  c.font = window_font;
  c.kind = ControlKind::kPictureBox;
  c.back_colour = GetOr(block, PictureBoxProperty::kBackColor, Colour{kColourButtonFace});
  c.rect = Pixels(GetOr(block, PictureBoxProperty::kGeometry, descriptions::Geometry{}));
  c.tab_index = GetOr<std::int16_t>(block, PictureBoxProperty::kTabIndex, 0);
  if (GetOr<std::uint8_t>(block, PictureBoxProperty::kBorderStyle, 1) != 0) c.edge = kSunkenEdge;
  return c;
}

ControlSpec Image(const Block& block, const ResolvedFont& window_font) {
  ControlSpec c;
  c.font = window_font;
  c.kind = ControlKind::kImage;
  c.rect = Pixels(GetOr(block, ImageProperty::kGeometry, descriptions::Geometry{}));
  c.picture = StoredPicture(block, ImageProperty::kPicture);
  // Shown at its natural size.
  if (c.picture) {
    c.rect.width = c.picture->width;
    c.rect.height = c.picture->height;
  }
  return c;
}

// Controls that set no font of their own, and those that show no text, have the window's.
ControlSpec Control(const Block& block, const ResolvedFont& window_font) {
  switch (block.class_code) {
    case ClassCode::kCommandButton:
      return CommandButton(block, window_font);
    case ClassCode::kLabel:
      return LabelControl(block, window_font);
    case ClassCode::kPictureBox:
      return PictureBox(block, window_font);
    case ClassCode::kImage:
    case ClassCode::kWindow:
      break;
  }
  return Image(block, window_font);
}

// The label's place once its caption is measured; the fitting is kept for later captions.
void Fit(ControlSpec& label, int parent_width, const TextMeasure& measure, BuiltWindow& built) {
  const LabelFitting fitting{label.rect, parent_width, label.alignment, label.edge.width};
  label.rect = FitLabel(fitting, measure(label.font, label.caption));
  built.fittings[label.id] = fitting;
}

// Marking a button the default takes the role from any marked before it, so of several marked
// the one stored last keeps it.
void MarkDefault(const Block& block, int id, WindowSpec& spec) {
  if (block.class_code != ClassCode::kCommandButton) return;
  if (GetOr<std::uint8_t>(block, CommandButtonProperty::kDefaultButton, 0) != 0) {
    spec.default_button = id;
  }
}

// Description order: each control, then the controls it holds, which lie inside its edge.
void AddControls(const Block& parent, int parent_id, int parent_width, const TextMeasure& measure,
                 BuiltWindow& built) {
  for (const Block& child : parent.children) {
    ControlSpec c = Control(child, built.spec.font);
    c.id = child.id;
    c.parent_id = parent_id;
    c.name = Cp1252ToUtf8(child.name);
    if (c.kind == ControlKind::kLabel && c.auto_size) Fit(c, parent_width, measure, built);
    if (c.kind == ControlKind::kCommandButton) c.wrap_width = ButtonWrapWidth(c.rect.width);
    MarkDefault(child, c.id, built.spec);
    const int inner_width = c.rect.width - 2 * c.edge.width;
    built.spec.controls.push_back(std::move(c));
    AddControls(child, child.id, inner_width, measure, built);
  }
}

}  // namespace

int ButtonWrapWidth(int button_width) { return button_width - kButtonTextInset; }

BuiltWindow BuildWindow(std::span<const std::uint8_t> description, const TextMeasure& measure) {
  const descriptions::Description read = descriptions::ReadDescription(description);
  const Block& window = read.window;
  BuiltWindow built;
  WindowSpec& spec = built.spec;
  spec.name = Cp1252ToUtf8(window.name);
  spec.caption = Text(window, WindowProperty::kCaption);
  const auto client = GetOr(window, WindowProperty::kClientRect, descriptions::ClientRect{});
  spec.client = {TwipsToPixels(client.left), TwipsToPixels(client.top), TwipsToPixels(client.width),
                 TwipsToPixels(client.height)};
  spec.back_colour = GetOr(window, WindowProperty::kBackColor, Colour{kColourButtonFace});
  spec.font = DefaultWindowFont();
  spec.title_bar.font = TitleBarFont();
  spec.close_box_name = kCloseBoxName;
  spec.icon = StoredPicture(window, WindowProperty::kIcon);
  AddControls(window, 0, spec.client.width, measure, built);
  spec.tab_order = TabOrder(spec.controls);
  spec.front_to_back = FrontToBack(spec.controls);
  spec.reading_order = ReadOut(spec.controls, ReadingOrder(spec.controls));
  SettleTitleBar(spec);
  built.start_up_position = static_cast<StartUpPosition>(
      GetOr<std::uint8_t>(window, WindowProperty::kStartUpPosition, 0));
  return built;
}

}  // namespace tessel::runtime
