#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/core/picture_spec.h"
#include "runtime/core/pixel_rect.h"
#include "runtime/descriptions/model.h"
#include "runtime/descriptions/system_colour.h"

namespace tessel::runtime {

using descriptions::Colour;
using descriptions::FontRecord;
using descriptions::IsSystemColour;
using descriptions::SystemColour;
using descriptions::SystemColourIndex;

// What a window or control shows where its description stores no colour.
inline constexpr std::uint32_t kColourButtonFace =
    descriptions::ColourOf(SystemColour::kButtonFace).value;
inline constexpr std::uint32_t kColourButtonText =
    descriptions::ColourOf(SystemColour::kButtonText).value;

enum class ControlKind { kCommandButton, kLabel, kImage, kPictureBox };
enum class Alignment { kLeft, kRight, kCentre };

// One control as a backend builds it: stored settings already resolved into what shows, and its
// place settled in pixels.
struct ControlSpec {
  int id = 0;         // 1, 2, 3, ... in description order
  int parent_id = 0;  // 0 is the window's client area, otherwise a picture box
  std::string name;
  ControlKind kind = ControlKind::kLabel;
  PixelRect rect;       // in the parent's client area
  std::string caption;  // UTF-8
  FontRecord font;      // the window's default where the control sets none
  Colour back_colour{kColourButtonFace};
  Colour fore_colour{kColourButtonText};
  bool transparent = false;  // label leaves its background unpainted
  Alignment alignment = Alignment::kLeft;
  bool auto_size = false;       // label fitted to its text on one line; rect holds the fitted place
  bool framed = false;          // thin single-line frame (label) or sunken frame (picture box)
  bool tab_stop = false;        // takes the focus by Tab
  int tab_index = 0;            // as stored; the window's tab_order is what applies
  bool default_button = false;  // Enter presses it wherever the focus is
  std::string tool_tip;         // UTF-8, blanks kept
  std::optional<PictureSpec> picture;  // an image's; rect has its natural size
};

struct WindowSpec {
  std::string name;
  std::string caption;  // UTF-8
  PixelRect client;     // x/y: the frame's width at the sides and above; width/height: the client
  Colour back_colour{kColourButtonFace};
  FontRecord font;
  std::optional<PictureSpec> icon;    // for the window system's lists; a tool window shows none
  std::vector<ControlSpec> controls;  // description order: a parent comes before its children
  std::vector<int> tab_order;         // the tab stops' ids in the order Tab walks them
  std::vector<int> front_to_back;     // every control's id; siblings lie in this order
  std::vector<int> reading_order;     // every control's id, as the window is read out
};

}  // namespace tessel::runtime
