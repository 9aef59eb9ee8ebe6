#include "runtime/qt/qt_style.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include "runtime/core/units.h"

namespace tessel::runtime::qt {

void InstallFontSubstitutes() {
  QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  // A line of 13 pixels at 8.25 pt, which the stored label heights count on.
  QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans");
}

QFont ToQFont(const FontRecord& record) {
  QFont font(QString::fromLatin1(record.face.data(), static_cast<qsizetype>(record.face.size())));
  font.setPixelSize(FontSizeToPixels(record.size));
  font.setWeight(record.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(record.attributes & 0x02);
  font.setUnderline(record.attributes & 0x04);
  font.setStrikeOut(record.attributes & 0x08);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

namespace {

// Where the platform's system colours live in a Qt palette.
QPalette::ColorRole RoleOf(std::uint32_t index) {
  switch (index) {
    case 5:  // window background
      return QPalette::Base;
    case 8:  // window text
      return QPalette::Text;
    case 15:  // button face
      return QPalette::Button;
    case 18:  // button text
      return QPalette::ButtonText;
    case 16:  // button shadow
      return QPalette::Dark;
    case 20:  // button highlight
      return QPalette::Light;
    case 13:  // selection
      return QPalette::Highlight;
    case 14:
      return QPalette::HighlightedText;
    default:
      return QPalette::Window;
  }
}

}  // namespace

void SetSystemColour(std::uint32_t index, QColor colour) {
  QPalette palette = QApplication::palette();
  palette.setColor(RoleOf(index), colour);
  QApplication::setPalette(palette);
}

QColor ToQColor(Colour colour) {
  if (colour.value & kSystemColourFlag) {
    return QApplication::palette().color(RoleOf(colour.value & 0xFF));
  }
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
