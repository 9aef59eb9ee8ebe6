#pragma once

#include "runtime/descriptions/byte_cursor.h"
#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// Reads one picture value at the cursor: u32 rest length, tag 6C 74 00 00, u32 file length
// (the rest length less 8), then the file, whose signature must be that of an icon, a cursor or
// a bitmap whose bfSize is the file length. Throws DescriptionError at the offending field.
Picture ReadPictureValue(ByteCursor& cursor);

}  // namespace tessel::descriptions
