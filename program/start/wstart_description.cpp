#include "program/start/wstart_description.h"

#include "program/resources/pictures.h"
#include "program/tool_window_description.h"
#include "runtime/descriptions/make.h"

namespace tessel::app {
namespace {

using namespace descriptions;
using B = CommandButtonProperty;
using W = WindowProperty;

Block Button(std::uint8_t id, std::string name, std::string caption, Geometry geometry,
             std::int16_t tab_index) {
  return Block{id,
               std::move(name),
               ClassCode::kCommandButton,
               {
                   Prop(B::kCaption, Text(std::move(caption))),
                   Prop(B::kGeometry, geometry),
                   Prop(B::kKeptSetting0A, Byte(1)),
                   Prop(B::kTabIndex, Integer(tab_index)),
                   Prop(B::kFont, Font("Comic Sans MS", 97500, 700)),
               },
               {}};
}

}  // namespace

Description WStartDescription() {
  Block window = ToolWindow("WStart", "Tessel 98   V1.1   (29.05.1998)", "Form1", 5970, 405,
                            {
                                Prop(W::kIcon, PictureOf(resources::StartIconFile())),
                                Prop(W::kStartUpPosition, Byte(3)),
                            },
                            {
                                Button(1, "InfoSelect", "Info ...", {4980, 60, 960, 315}, 3),
                                Button(2, "W20End", "Beenden", {3180, 60, 1500, 315}, 2),
                                Button(3, "W20Select", "20er Tessel", {1560, 60, 1620, 315}, 1),
                                Button(4, "w6Select", "6er Tessel", {60, 60, 1500, 315}, 0),
                            });
  return Description{{0x5D3B8A21, 0x1C4E, 0x4F0A, {0x9B, 0x31, 0x7E, 0x52, 0x0D, 0x86, 0xA4, 0x13}},
                     {0x5D3B8A22, 0x1C4E, 0x4F0A, {0x9B, 0x31, 0x7E, 0x52, 0x0D, 0x86, 0xA4, 0x13}},
                     kWindowClassId,
                     std::move(window)};
}

}  // namespace tessel::app
