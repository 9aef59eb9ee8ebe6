#pragma once

#include <cstdint>
#include <vector>

namespace tessel::resources {

// The program's five pictures as complete files, byte for byte as the windows store them:
// icon and cursor files of one 32 x 32 image in 16 colours, and 24-bit bitmap files. The build
// machine makes them, by tools/pictures from the tables of picture_tables.h; the figure comes
// as the committed about_picture.bmp.

// The start window's icon and the program's own icon: a grinning bird's head (766 bytes).
const std::vector<std::uint8_t>& StartIconFile();

// The die windows' mouse pointer: a small green ball, hot spot (0, 0) (766 bytes).
const std::vector<std::uint8_t>& BallCursorFile();

// The red strip under the six-sided die, 44 x 7 (978 bytes).
const std::vector<std::uint8_t>& ShortStripFile();

// The red strip under the twenty-sided die, 99 x 7 (2154 bytes).
const std::vector<std::uint8_t>& LongStripFile();

// The cartoon figure of the information window, 110 x 153 (50850 bytes).
const std::vector<std::uint8_t>& AboutPictureFile();

}  // namespace tessel::resources
