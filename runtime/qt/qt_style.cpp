#include "runtime/qt/qt_style.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include "runtime/core/fonts.h"
#include "runtime/core/picture_pixels.h"

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
  // Laid out as Windows lays it out: advances hinted to whole pixels, and no kerning.
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
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

// An icon or cursor from the parts the runtime located; done there rather than by Qt's reader
// for the format, whose plugin alone would cost the program's start a millisecond and most of a
// megabyte.
QPixmap DecodePicture(const PictureSpec& picture) {
  if (picture.kind != PictureKind::kBitmap) {
    const std::vector<std::uint32_t> pixels = PicturePixels(picture);
    const QImage image(reinterpret_cast<const uchar*>(pixels.data()), picture.width, picture.height,
                       QImage::Format_ARGB32);
    return QPixmap::fromImage(image.copy());
  }
  const auto* data = reinterpret_cast<const uchar*>(picture.file.data());
  return QPixmap::fromImage(QImage::fromData(data, static_cast<int>(picture.file.size()), "BMP"));
}

}  // namespace tessel::runtime::qt
