#include "program/dice/die_window_data.h"
#include "program/resources/pictures.h"
#include "program/tool_window_description.h"
#include "runtime/descriptions/make.h"
#include "runtime/descriptions/system_colour.h"

namespace tessel::dice {
namespace {

using namespace descriptions;
using B = CommandButtonProperty;
using L = LabelProperty;
using I = ImageProperty;
using W = WindowProperty;

// Controls that keep the default TabIndex 0 do not store it.
void AddTabIndex(std::vector<Property>& properties, auto code, std::int16_t tab_index) {
  if (tab_index != 0) properties.push_back(Prop(code, Integer(tab_index)));
}

Block Control(std::string_view name, ClassCode class_code, std::vector<Property> properties) {
  return Block{0, std::string(name), class_code, std::move(properties), {}};
}

Block RollButton(const DieWindowData& d) {
  std::vector<Property> p{Prop(B::kCaption, Text("Klick mich!")),
                          Prop(B::kGeometry, Geometry{d.buttons_left, 60, 1215, 1650})};
  AddTabIndex(p, B::kTabIndex, d.roll_tab_index);
  p.push_back(Prop(B::kTabStop, Byte(0)));
  p.push_back(Prop(B::kFont, Font("Comic Sans MS", 202500, 400)));
  p.push_back(Prop(B::kToolTipText, Text("... nun mach' schon  ")));
  return Control("Click", ClassCode::kCommandButton, std::move(p));
}

Block CloseButton(const DieWindowData& d) {
  std::vector<Property> p{Prop(B::kCaption, Text("Beenden")),
                          Prop(B::kGeometry, Geometry{d.buttons_left, 1800, 1215, 315})};
  AddTabIndex(p, B::kTabIndex, d.close_tab_index);
  p.push_back(Prop(B::kFont, Font("Comic Sans MS", 97500, 700)));
  p.push_back(Prop(B::kToolTipText, Text(std::string(d.close_tool_tip))));
  return Control("End", ClassCode::kCommandButton, std::move(p));
}

Block Strip(const DieWindowData& d) {
  return Control(d.strip_name, ClassCode::kImage,
                 {Prop(I::kPicture, PictureOf(d.strip_picture())),
                  Prop(I::kGeometry, Geometry{60, 2220, d.strip_width, 105}),
                  Prop(I::kKeptFlag07, Byte(0)), Prop(I::kKeptFlag15, Byte(0))});
}

Block CreditLabel(const DieWindowData& d) {
  std::vector<Property> p{Prop(L::kCaption, Text(" by Kestro Productions"))};
  if (d.credit_in_window_colours) {
    p.push_back(Prop(L::kBackColor, ColourOf(SystemColour::kWindow)));
    p.push_back(Prop(L::kForeColor, ColourOf(SystemColour::kWindowText)));
  }
  p.push_back(Prop(L::kGeometry, Geometry{d.credit_left, 2160, d.credit_width, 210}));
  AddTabIndex(p, L::kTabIndex, d.credit_tab_index);
  p.push_back(Prop(L::kAlignment, Byte(2)));
  if (d.credit_auto_size) p.push_back(Prop(L::kAutoSize, Byte(0xFF)));
  p.push_back(Prop(L::kBackStyle, Byte(0)));
  p.push_back(Prop(L::kFont, Font("Arial", 82500, 400)));
  if (d.credit_in_window_colours) p.push_back(Prop(L::kKeptFlag27, Byte(0)));
  return Control(d.credit_name, ClassCode::kLabel, std::move(p));
}

Block ResultLabel(const DieWindowData& d) {
  std::vector<Property> p{Prop(L::kCaption, Text(std::string(d.result_initial))),
                          Prop(L::kGeometry, Geometry{60, 60, d.result_width, 2025})};
  AddTabIndex(p, L::kTabIndex, d.result_tab_index);
  p.push_back(Prop(L::kBorderStyle, Byte(1)));
  p.push_back(Prop(L::kAlignment, Byte(2)));
  p.push_back(Prop(L::kFont, Font("Comic Sans MS", d.result_font_size, 400)));
  return Control(d.window.result_label, ClassCode::kLabel, std::move(p));
}

Block ControlFor(Role role, const DieWindowData& d) {
  switch (role) {
    case Role::kRoll:
      return RollButton(d);
    case Role::kClose:
      return CloseButton(d);
    case Role::kStrip:
      return Strip(d);
    case Role::kCredit:
      return CreditLabel(d);
    case Role::kResult:
      break;
  }
  return ResultLabel(d);
}

// What only the die windows store: their pointer, and one window a flag besides.
std::vector<Property> OwnProperties(const DieWindowData& d) {
  std::vector<Property> p{Prop(W::kMouseIcon, PictureOf(resources::BallCursorFile()))};
  if (d.keeps_flag_3e) p.push_back(Prop(W::kKeptFlag3E, Byte(0)));
  return p;
}

}  // namespace

Description DieWindowDescription(const DieWindowData& d) {
  std::vector<Block> controls;
  std::uint8_t id = 1;
  for (const Role role : d.order) {
    controls.push_back(ControlFor(role, d));
    controls.back().id = id++;
  }
  Block window = app::ToolWindow(std::string(d.window.name), std::string(d.caption),
                                 std::string(d.link_topic), d.client_width, kDieWindowClientHeight,
                                 OwnProperties(d), std::move(controls));
  return Description{d.window_id, d.interface_id, kWindowClassId, std::move(window)};
}

}  // namespace tessel::dice
