#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/descriptions/model.h"

namespace tessel::testing {

using descriptions::Block;
using descriptions::Description;

using Bytes = std::vector<std::uint8_t>;

// The little-endian u32 at `at`; throws std::out_of_range past the end.
inline std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
  return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 |
         static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

// A 4-bit icon (type 1) or cursor (type 2) file of one side x side image, laid out as the
// platform's icon file format describes it.
Bytes IconFile(std::uint16_t type, std::uint8_t side);

// An uncompressed 24-bit bitmap file with rows padded to four bytes.
Bytes BitmapFile(std::int32_t width, std::int32_t height);

// The start window's button from the worked example, with id `id`.
Block InfoSelect(std::uint8_t id);

// Every class and every property code of the tables, pictures of all three kinds, nesting two
// picture boxes deep and a negative Top: window 01, InfoSelect 03, Click 03, About 01,
// lblAbout1 03, Inner 01, Dot 02 02 03, Bild 02 04.
Description FullSample();

// A window and one label, the smallest description the format can express.
Description MinimalSample();

// Three picture boxes deep, so the description ends 02 02 02 04.
Description DeepSample();

}  // namespace tessel::testing
