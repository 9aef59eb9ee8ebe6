#include "program/about/info_fr_description.h"

#include "program/resources/pictures.h"
#include "program/tool_window_description.h"
#include "runtime/descriptions/make.h"
#include "runtime/descriptions/system_colour.h"

namespace tessel::about {
namespace {

using namespace descriptions;
using L = LabelProperty;
using P = PictureBoxProperty;
using W = WindowProperty;

// A centred, auto-sized line of the panel, painted in the system window colour.
Block PanelLabel(std::uint8_t id, std::string name, std::string caption, Geometry geometry,
                 std::int16_t tab_index, const FontRecord* font) {
  std::vector<Property> p{
      Prop(L::kCaption, Text(std::move(caption))),
      Prop(L::kBackColor, ColourOf(SystemColour::kWindow)),
      Prop(L::kGeometry, geometry),
      Prop(L::kTabIndex, Integer(tab_index)),
      Prop(L::kAlignment, Byte(2)),
      Prop(L::kAutoSize, Byte(0xFF)),
      Prop(L::kBackStyle, Byte(0)),
  };
  if (font) p.push_back(Prop(L::kFont, *font));
  return Block{id, std::move(name), ClassCode::kLabel, std::move(p), {}};
}

Block OkButton() {
  return Block{1,
               "OK",
               ClassCode::kCommandButton,
               {
                   Prop(CommandButtonProperty::kCaption, Text("OK")),
                   Prop(CommandButtonProperty::kGeometry, Geometry{120, 1680, 1300, 315}),
                   Prop(CommandButtonProperty::kDefaultButton, Byte(0xFF)),
                   Prop(CommandButtonProperty::kFont, Font("Comic Sans MS", 97500, 700)),
               },
               {}};
}

Block Panel() {
  const FontRecord maker = Font("Comic Sans MS", 157500, 400);
  const FontRecord title = Font("Comic Sans MS", 217500, 700);
  return Block{
      2,
      "About",
      ClassCode::kPictureBox,
      {
          Prop(P::kBackColor, ColourOf(SystemColour::kWindow)),
          Prop(P::kGeometry, Geometry{120, 120, 3435, 1470}),
          Prop(P::kBorderStyle, Byte(0)),
          Prop(P::kTabIndex, Integer(1)),
          Prop(P::kKeptSetting1A, Bytes(0x01, 0x00, 0x42, 0x00)),
      },
      {
          PanelLabel(3, "lblAbout1", "Kestro Productions", {525, 60, 2400, 435}, 4, &maker),
          PanelLabel(4, "lblAbout2", "presents", {1425, 540, 600, 195}, 3, nullptr),
          PanelLabel(5, "lblAbout3", "Tessel 98", {600, 690, 2235, 600}, 2, &title),
      }};
}

Block Picture() {
  return Block{6,
               "Bild",
               ClassCode::kImage,
               {
                   Prop(ImageProperty::kPicture, PictureOf(resources::AboutPictureFile())),
                   Prop(ImageProperty::kGeometry, Geometry{3420, -120, 1650, 2295}),
                   Prop(ImageProperty::kKeptFlag07, Byte(0)),
               },
               {}};
}

}  // namespace

Description InfoFRDescription() {
  Block window =
      app::ToolWindow("InfoFR", "About ...", "Form1", 5010, 2130,
                      {Prop(W::kBackColor, Colour{0x00FFFFFF}), Prop(W::kStartUpPosition, Byte(2))},
                      {OkButton(), Panel(), Picture()});
  return Description{{0xC4D81F07, 0x5E22, 0x4B93, {0x86, 0xFA, 0x12, 0x6C, 0x3B, 0xE0, 0x97, 0x58}},
                     {0xC4D81F08, 0x5E22, 0x4B93, {0x86, 0xFA, 0x12, 0x6C, 0x3B, 0xE0, 0x97, 0x58}},
                     kWindowClassId,
                     std::move(window)};
}

}  // namespace tessel::about
