#pragma once

#include <string_view>

namespace tessel::runtime {

// The runtime's own face: for windows and labels that set none, and for the title bars a
// backend draws itself.
inline constexpr std::string_view kDefaultFace = "MS Sans Serif";

struct FaceSubstitute {
  std::string_view face;        // as a window asks for it
  std::string_view substitute;  // a free face of the same measure, from Debian's font packages
};

// What stands in for the faces the windows ask for where the system lacks them: the Linux
// program's fontconfig, the Windows program's Wine prefix and the page's web fonts take the
// same, so that every target lays a text out alike.
inline constexpr FaceSubstitute kFaceSubstitutes[] = {
    {"Comic Sans MS", "Comic Neue"},
    {"Arial", "Liberation Sans"},
    // A line of 13 pixels at 8.25 pt, which the stored label heights count on.
    {kDefaultFace, "DejaVu Sans"},
};

}  // namespace tessel::runtime
