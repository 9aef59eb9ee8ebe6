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

QPixmap DecodePicture(const PictureSpec& picture) {
  const char* format = "BMP";
  if (picture.kind == PictureKind::kIcon) format = "ICO";
  if (picture.kind == PictureKind::kCursor) format = "CUR";
  const auto* data = reinterpret_cast<const uchar*>(picture.file.data());
  return QPixmap::fromImage(QImage::fromData(data, static_cast<int>(picture.file.size()), format));
}

}  // namespace tessel::runtime::qt
