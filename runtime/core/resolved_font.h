#pragma once

#include <cstdint>
#include <string>

namespace tessel::runtime {

// A font as a window system is asked for it: by face name, at a size in pixels.
struct ResolvedFont {
  std::string face;    // UTF-8
  int pixel_size = 0;  // the characters' height, without the line's leading
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  // The character set the description names; Win32 asks for it, Qt picks glyphs by the text.
  std::uint8_t charset = 0;
  bool operator==(const ResolvedFont&) const = default;
};

}  // namespace tessel::runtime
