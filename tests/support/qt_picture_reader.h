#pragma once

#include <QImage>
#include <cstdint>
#include <string_view>
#include <vector>

// Test helpers: what Qt's own image readers make of our bytes, and the expected colours written
// the way the pixel tables write them.
namespace tessel::testing {

// Decodes with the named Qt reader ("ICO", "CUR", "BMP"); a null image if Qt refuses.
QImage ReadWithQt(const std::vector<std::uint8_t>& bytes, const char* format);

// The colour a table letter stands for: K T L Y W D G, as red-green-blue.
QRgb LetterColour(char letter);

// "FF2F2F" as an opaque QRgb.
QRgb HexColour(std::string_view six_digits);

// Little-endian fields of a file.
std::uint32_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t offset);
std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t offset);

// Every channel on a level the pictures use: a multiple of 16 or one less.
bool OnPencilLevel(int channel);

}  // namespace tessel::testing
