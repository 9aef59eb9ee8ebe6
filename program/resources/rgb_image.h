#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tessel::resources {

struct Rgb {
  std::uint8_t red = 0xFF;
  std::uint8_t green = 0xFF;
  std::uint8_t blue = 0xFF;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A true-colour picture, rows from the top, starting all white.
class RgbImage {
 public:
  RgbImage(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {}

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb& at(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  const Rgb& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

// Reads one row of colours written as six hex digits each ("FF2F2F"), separated by blanks. A
// colour followed by "x N" stands for N pixels of it. Throws std::invalid_argument on anything
// else.
std::vector<Rgb> ParseColourRow(std::string_view text);

}  // namespace tessel::resources
