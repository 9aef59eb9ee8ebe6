#include "runtime/qt/qt_style.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include "runtime/core/fonts.h"

namespace tessel::runtime::qt {

void InstallFontSubstitutes() {
  QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  // A line of 13 pixels at 8.25 pt, which the stored label heights count on.
  QFont::insertSubstitution(ToQString(kDefaultFace), "DejaVu Sans");
}

QFont ToQFont(const ResolvedFont& resolved) {
  QFont font(ToQString(resolved.face));
  font.setPixelSize(resolved.pixel_size);
  font.setWeight(resolved.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(resolved.italic);
  font.setUnderline(resolved.underline);
  font.setStrikeOut(resolved.strike_out);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

namespace {

// Where the platform's system colours live in a Qt palette.
QPalette::ColorRole RoleOf(std::uint32_t index) {
  switch (static_cast<SystemColour>(index)) {
    case SystemColour::kWindow:
      return QPalette::Base;
    case SystemColour::kWindowText:
      return QPalette::Text;
    case SystemColour::kButtonFace:
      return QPalette::Button;
    case SystemColour::kButtonText:
      return QPalette::ButtonText;
    case SystemColour::kButtonShadow:
      return QPalette::Dark;
    case SystemColour::kButtonHighlight:
      return QPalette::Light;
    case SystemColour::kHighlight:
      return QPalette::Highlight;
    case SystemColour::kHighlightText:
      return QPalette::HighlightedText;
  }
  return QPalette::Window;
}

}  // namespace

void SetSystemColour(std::uint32_t index, QColor colour) {
  QPalette palette = QApplication::palette();
  palette.setColor(RoleOf(index), colour);
  QApplication::setPalette(palette);
}

QColor ToQColor(Colour colour) {
  if (IsSystemColour(colour))
    return QApplication::palette().color(RoleOf(SystemColourIndex(colour)));
  return QColor(static_cast<int>(colour.value & 0xFF), static_cast<int>((colour.value >> 8) & 0xFF),
                static_cast<int>((colour.value >> 16) & 0xFF));
}

namespace {

// One pixel of an icon's colour rows, as 0xAARRGGBB; those of 32 bits bring their own alpha.
QRgb IconPixel(const PictureSpec& icon, const std::uint8_t* row, int x) {
  const std::uint8_t* palette = icon.file.data() + icon.palette_offset;
  const auto colour = [&](std::size_t index) -> QRgb {
    if (index >= icon.palette_size) return qRgb(0, 0, 0);
    const std::uint8_t* entry = palette + 4 * index;
    return qRgb(entry[2], entry[1], entry[0]);
  };
  switch (icon.bits_per_pixel) {
    case 1:
      return colour((row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
      return colour((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8:
      return colour(row[x]);
    case 24:
      return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default:
      return qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
  }
}

// An icon's or cursor's image from the parts the runtime located, bottom row first, its AND mask
// as transparency. Done here rather than by Qt's reader for the format, whose plugin alone
// would cost the program's start a millisecond and most of a megabyte.
QImage DecodeIcon(const PictureSpec& icon) {
  QImage image(icon.width, icon.height, QImage::Format_ARGB32);
  const std::size_t stride = icon.bits_size / static_cast<std::size_t>(icon.height);
  const std::size_t mask_stride = (static_cast<std::size_t>(icon.width) + 31) / 32 * 4;
  for (int y = 0; y < icon.height; ++y) {
    const auto bottom_up = static_cast<std::size_t>(icon.height - 1 - y);
    const std::uint8_t* row = icon.file.data() + icon.bits_offset + bottom_up * stride;
    const std::uint8_t* mask = icon.file.data() + icon.mask_offset + bottom_up * mask_stride;
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < icon.width; ++x) {
      const bool transparent = (mask[x / 8] >> (7 - x % 8)) & 1;
      const QRgb pixel = IconPixel(icon, row, x);
      out[x] = icon.bits_per_pixel == 32 ? pixel : transparent ? qRgba(0, 0, 0, 0) : pixel;
    }
  }
  return image;
}

}  // namespace

QPixmap DecodePicture(const PictureSpec& picture) {
  if (picture.kind != PictureKind::kBitmap) return QPixmap::fromImage(DecodeIcon(picture));
  const auto* data = reinterpret_cast<const uchar*>(picture.file.data());
  return QPixmap::fromImage(QImage::fromData(data, static_cast<int>(picture.file.size()), "BMP"));
}

}  // namespace tessel::runtime::qt
