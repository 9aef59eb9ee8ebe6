#include "tests/scenario/text_bands.h"

namespace tessel::testing {
namespace {

bool Dark(std::uint32_t argb) {
  const int r = (argb >> 16) & 0xFF;
  const int g = (argb >> 8) & 0xFF;
  const int b = argb & 0xFF;
  return (r * 299 + g * 587 + b * 114) / 1000 < 100;
}

}  // namespace

std::vector<TextBand> FindTextBands(const Screenshot& shot, const runtime::PixelRect& area,
                                    int inset) {
  std::vector<TextBand> bands;
  bool inside = false;
  for (int y = area.y + inset; y < area.y + area.height - inset; ++y) {
    int left = -1;
    int right = -1;
    for (int x = area.x + inset; x < area.x + area.width - inset; ++x) {
      if (!Dark(shot.At(x, y))) continue;
      if (left < 0) left = x;
      right = x;
    }
    if (left < 0) {
      inside = false;
      continue;
    }
    if (!inside) bands.push_back({y, y, left, right});
    inside = true;
    TextBand& band = bands.back();
    band.bottom = y;
    band.left = std::min(band.left, left);
    band.right = std::max(band.right, right);
  }
  return bands;
}

runtime::PixelRect InWindow(const runtime::PixelRect& frame, const runtime::PixelRect& client,
                            const runtime::PixelRect& control) {
  return {client.x - frame.x + control.x, client.y - frame.y + control.y, control.width,
          control.height};
}

}  // namespace tessel::testing
