#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/descriptions/model.h"

namespace tessel::app {

// A window of the program as its description stores it: what every one stores alike (a fixed
// tool-window frame, BorderStyle 4, with the client area 45 twips in and 285 down, and the
// settings kept as stored), the window's `own` properties besides, all in code order as the
// format wants them, and its controls.
descriptions::Block ToolWindow(std::string name, std::string caption, std::string link_topic,
                               std::int32_t client_width, std::int32_t client_height,
                               std::vector<descriptions::Property> own,
                               std::vector<descriptions::Block> controls);

}  // namespace tessel::app
