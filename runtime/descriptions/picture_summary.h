#pragma once

#include <string>

#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// One line about a picture for a dump: its kind, its size in pixels as its headers give it
// (the first image of an icon or cursor file), and its length, e.g.
// "bitmap 44 x 7 pixels, 978 bytes". Works on any bytes; a size it cannot read it calls unknown.
std::string SummarizePicture(const Picture& picture);

}  // namespace tessel::descriptions
