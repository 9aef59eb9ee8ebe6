#include "runtime/core/palette.h"

#include <algorithm>
#include <cmath>

namespace tessel::runtime {
namespace {

using descriptions::SystemColour;

// The classic grey frame with its blue title bar.
constexpr FrameColours kClassic = {
    .face = 0xC0C0C0,
    .light = 0xFFFFFF,
    .shadow = 0x808080,
    .dark_shadow = 0x000000,
    .glyph = 0x000000,
    .active = {0x000080, 0x1084D0, 0xFFFFFF},
    .inactive = {0x808080, 0xB0B0B0, 0xC0C0C0},
};

// Whether the palette is the plain one in every role the frame is drawn from.
bool FramedAsPlain(const Palette& p) {
  const Palette& plain = kPlainPalette;
  return p.button == plain.button && p.light == plain.light && p.dark == plain.dark &&
         p.mid == plain.mid && p.shadow == plain.shadow && p.button_text == plain.button_text &&
         p.highlight == plain.highlight && p.highlighted_text == plain.highlighted_text &&
         p.disabled_text == plain.disabled_text;
}

// Qt keeps a colour's channels in 16 bits and its hue in hundredths of a degree; so does this.
constexpr double kFull = 65535.0;

struct Hsv {
  int hue = -1;  // -1: no hue (a grey)
  double saturation = 0;
  double value = 0;
};

Hsv ToHsv(std::uint32_t rgb) {
  const double r = ((rgb >> 16) & 0xFF) * 257 / kFull;
  const double g = ((rgb >> 8) & 0xFF) * 257 / kFull;
  const double b = (rgb & 0xFF) * 257 / kFull;
  const double high = std::max({r, g, b});
  const double delta = high - std::min({r, g, b});
  Hsv hsv{-1, 0, std::round(high * kFull)};
  if (delta < 1e-12) return hsv;
  hsv.saturation = std::round(delta / high * kFull);
  double hue = r == high ? (g - b) / delta : g == high ? 2 + (b - r) / delta : 4 + (r - g) / delta;
  hue *= 60;
  if (hue < 0) hue += 360;
  hsv.hue = static_cast<int>(std::round(hue * 100));
  return hsv;
}

std::uint32_t ToRgb(const Hsv& hsv) {
  const auto channel = [](double c) {
    return static_cast<std::uint32_t>(std::round(c * kFull)) >> 8;
  };
  const double v = hsv.value / kFull;
  if (hsv.hue < 0 || hsv.saturation == 0) {
    return channel(v) << 16 | channel(v) << 8 | channel(v);
  }
  const double h = (hsv.hue == 36000 ? 0 : hsv.hue) / 6000.0;
  const double s = hsv.saturation / kFull;
  const int sector = static_cast<int>(h);
  const double f = h - sector;
  const double p = v * (1 - s);
  const double q = v * (1 - s * f);
  const double t = v * (1 - s * (1 - f));
  const double rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
  const double* c = rgb[sector % 6];
  return channel(c[0]) << 16 | channel(c[1]) << 8 | channel(c[2]);
}

}  // namespace

PaletteRole RoleOf(SystemColour colour) {
  switch (colour) {
    case SystemColour::kWindow:
      return &Palette::base;
    case SystemColour::kWindowText:
      return &Palette::text;
    case SystemColour::kHighlight:
      return &Palette::highlight;
    case SystemColour::kHighlightText:
      return &Palette::highlighted_text;
    case SystemColour::kButtonFace:
      return &Palette::button;
    case SystemColour::kButtonShadow:
      return &Palette::dark;
    case SystemColour::kButtonText:
      return &Palette::button_text;
    case SystemColour::kButtonHighlight:
      return &Palette::light;
  }
  return &Palette::window;
}

FrameColours FrameColoursOf(const Palette& p) {
  if (FramedAsPlain(p)) return kClassic;
  return {
      .face = p.button,
      .light = p.light,
      .shadow = p.dark,
      .dark_shadow = p.shadow,
      .glyph = p.button_text,
      // The selection's colour, lightening towards the close box as the classic one does.
      .active = {p.highlight, Lighter(p.highlight, 125), p.highlighted_text},
      // The frame's own shades with greyed text.
      .inactive = {p.dark, p.mid, p.disabled_text},
  };
}

std::uint32_t Lighter(std::uint32_t rgb, int percent) {
  Hsv hsv = ToHsv(rgb);
  hsv.value = std::floor(hsv.value * percent / 100);
  if (hsv.value > kFull) {
    hsv.saturation = std::max(0.0, hsv.saturation - (hsv.value - kFull));
    hsv.value = kFull;
  }
  return ToRgb(hsv);
}

}  // namespace tessel::runtime
