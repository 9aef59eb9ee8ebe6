#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/core/label_fitting.h"
#include "runtime/core/picture_spec.h"
#include "runtime/core/pixel_rect.h"
#include "runtime/core/resolved_font.h"
#include "runtime/descriptions/model.h"
#include "runtime/descriptions/system_colour.h"

namespace tessel::runtime {

using descriptions::Colour;
using descriptions::IsSystemColour;
using descriptions::SystemColour;
using descriptions::SystemColourIndex;

// What a window or control shows where its description stores no colour.
inline constexpr std::uint32_t kColourButtonFace =
    descriptions::ColourOf(SystemColour::kButtonFace).value;
inline constexpr std::uint32_t kColourButtonText =
    descriptions::ColourOf(SystemColour::kButtonText).value;

enum class ControlKind { kCommandButton, kLabel, kImage, kPictureBox };

// A control's edge: a label's single line in its text colour, or a picture box's sunken edge
// (the shadow's colour above and left, the light's below and right).
enum class EdgeKind { kNone, kLine, kSunken };

struct Edge {
  EdgeKind kind = EdgeKind::kNone;
  int width = 0;  // on every side, inside the control's rectangle
};

// One control as a backend builds it: stored settings already resolved into what shows, and its
// place settled in pixels.
struct ControlSpec {
  int id = 0;         // 1, 2, 3, ... in description order
  int parent_id = 0;  // 0 is the window's client area, otherwise a picture box
  std::string name;
  ControlKind kind = ControlKind::kLabel;
  PixelRect rect;       // in the parent's client area
  std::string caption;  // UTF-8
  ResolvedFont font;    // the window's default where the control sets none
  Colour back_colour{kColourButtonFace};
  Colour fore_colour{kColourButtonText};
  bool transparent = false;  // label leaves its background unpainted
  Alignment alignment = Alignment::kLeft;
  bool auto_size = false;  // label fitted to its text on one line; rect holds the fitted place
  Edge edge;
  bool tab_stop = false;  // takes the focus by Tab
  int tab_index = 0;      // as stored; the window's tab_order is what applies
  // A button's caption breaks into centred lines where it is wider than this, as the backend
  // measures it: the button less the edges and the focus frame's margin.
  int wrap_width = 0;
  std::string tool_tip;                // UTF-8, blanks kept
  std::optional<PictureSpec> picture;  // an image's; rect has its natural size
};

// The title bar, for a backend that draws the frame itself; in the window's own pixels from its
// outer top-left corner.
struct TitleBar {
  PixelRect bar;
  PixelRect close_box;
  PixelRect caption;  // where the caption is written, cut short with "…" where it runs past
  ResolvedFont font;
};

struct WindowSpec {
  std::string name;
  std::string caption;  // UTF-8
  PixelRect client;     // x/y: the frame's width at the sides and above; width/height: the client
  Colour back_colour{kColourButtonFace};
  ResolvedFont font;
  TitleBar title_bar;
  std::string close_box_name;         // what the close box is called to a screen reader
  std::optional<PictureSpec> icon;    // for the window system's lists; a tool window shows none
  std::vector<ControlSpec> controls;  // description order: a parent comes before its children
  std::vector<int> tab_order;         // the tab stops' ids in the order Tab walks them
  std::vector<int> front_to_back;     // every control's id; siblings lie in this order
  std::vector<int> reading_order;     // the ids read out to someone who cannot see the window
  int default_button = 0;  // the button Enter presses wherever the focus is not on another; 0: none
};

// The fixed frame around the client area: as wide as the stored ClientLeft at the sides and
// below, as high as the stored ClientTop above.
struct FrameMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

inline FrameMargins Frame(const WindowSpec& spec) {
  return {spec.client.x, spec.client.y, spec.client.x, spec.client.x};
}

// The window's outer size, frame included; its place is that of the outer top-left corner.
inline PixelRect OuterSize(const WindowSpec& spec) {
  const FrameMargins frame = Frame(spec);
  return {0, 0, frame.left + spec.client.width + frame.right,
          frame.top + spec.client.height + frame.bottom};
}

}  // namespace tessel::runtime
