#include "program/tool_window_description.h"

#include <algorithm>
#include <utility>

#include "runtime/descriptions/make.h"

namespace tessel::app {

using namespace descriptions;
using W = WindowProperty;

Block ToolWindow(std::string name, std::string caption, std::string link_topic,
                 std::int32_t client_width, std::int32_t client_height, std::vector<Property> own,
                 std::vector<Block> controls) {
  std::vector<Property> p{
      Prop(W::kCaption, Text(std::move(caption))),
      Prop(W::kKeptSetting19, Bytes(0x01, 0x00, 0x42, 0x00)),
      Prop(W::kBorderStyle, Byte(4)),
      Prop(W::kLinkTopic, Text(std::move(link_topic))),
      Prop(W::kKeptFlag26, Byte(0)),
      Prop(W::kKeptFlag27, Byte(0)),
      Prop(W::kKeptFlag28, Byte(0)),
      Prop(W::kKeptFlag32, Byte(0)),
      Prop(W::kClientRect, ClientRect{45, 285, client_width, client_height}),
      Prop(W::kKeptFlag44, Byte(0)),
  };
  p.insert(p.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
  std::stable_sort(p.begin(), p.end(),
                   [](const Property& a, const Property& b) { return a.code < b.code; });
  return Block{0, std::move(name), ClassCode::kWindow, std::move(p), std::move(controls)};
}

}  // namespace tessel::app
