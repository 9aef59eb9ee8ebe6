#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// Lengths in twips, 1440 to the inch.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipRect&) const = default;
};

enum class ControlKind { kCommandButton, kLabel, kImage, kPictureBox };
enum class Alignment { kLeft, kRight, kCentre };

// One control as a backend builds it: stored settings already resolved into what shows.
struct ControlSpec {
  int id = 0;         // 1, 2, 3, ... in description order
  int parent_id = 0;  // 0 is the window's client area, otherwise a picture box
  std::string name;
  ControlKind kind = ControlKind::kLabel;
  TwipRect geometry;               // from the parent's client area
  std::string caption;             // UTF-8
  std::optional<FontRecord> font;  // none: the window's default font
  Colour back_colour{kColourButtonFace};
  Colour fore_colour{kColourButtonText};
  bool transparent = false;  // label leaves its background unpainted
  Alignment alignment = Alignment::kLeft;
  bool auto_size = false;  // label as wide as its text and one line high
  bool framed = false;     // thin single-line frame (label) or sunken frame (picture box)
  bool tab_stop = false;   // takes the focus by Tab
  int tab_index = 0;
  bool default_button = false;        // Enter presses it wherever the focus is
  std::string tool_tip;               // UTF-8, blanks kept
  std::vector<std::uint8_t> picture;  // icon, cursor or bitmap file; shown at natural size
};

struct WindowSpec {
  std::string name;
  std::string caption;  // UTF-8
  TwipRect client;      // left/top: the frame offsets; width/height: the client size
  Colour back_colour{kColourButtonFace};
  std::optional<FontRecord> font;
  std::vector<std::uint8_t> icon;     // carried; a tool-window frame shows none
  std::vector<ControlSpec> controls;  // description order: a parent comes before its children
};

}  // namespace tessel::runtime
