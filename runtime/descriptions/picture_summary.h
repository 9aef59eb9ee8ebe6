#pragma once

#include <string>

#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// One line about a picture for a dump: its kind, its size in pixels as its own header gives it
// (the first image of an icon or cursor file), and its length, e.g.
// "bitmap 44 x 7 pixels, 978 bytes". Works on any bytes; what it cannot tell it says so.
std::string SummarizePicture(const Picture& picture);

}  // namespace tessel::descriptions
