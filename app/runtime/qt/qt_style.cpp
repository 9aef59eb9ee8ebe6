#include "app/runtime/qt/qt_style.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include "app/runtime/qt/units.h"

namespace tessel::runtime::qt {

void InstallFontSubstitutes() {
  QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

QFont ToQFont(const FontRecord& record) {
  QFont font(QString::fromLatin1(record.face.data(), static_cast<qsizetype>(record.face.size())));
  font.setPixelSize(PointsToPixels(record.size));
  font.setWeight(record.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(record.attributes & 0x02);
  font.setUnderline(record.attributes & 0x04);
  font.setStrikeOut(record.attributes & 0x08);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

namespace {

QColor SystemColour(std::uint32_t index) {
  const QPalette palette = QApplication::palette();
  switch (index) {
    case 5:  // window background
      return palette.color(QPalette::Base);
    case 8:  // window text
      return palette.color(QPalette::Text);
    case 15:  // button face
      return palette.color(QPalette::Button);
    case 18:  // button text
      return palette.color(QPalette::ButtonText);
    case 16:  // button shadow
      return palette.color(QPalette::Dark);
    case 20:  // button highlight
      return palette.color(QPalette::Light);
    case 13:  // selection
      return palette.color(QPalette::Highlight);
    case 14:
      return palette.color(QPalette::HighlightedText);
    default:
      return palette.color(QPalette::Window);
  }
}

}  // namespace

QColor ToQColor(Colour colour) {
  if (colour.value & kSystemColourFlag) return SystemColour(colour.value & 0xFF);
  return QColor(static_cast<int>(colour.value & 0xFF), static_cast<int>((colour.value >> 8) & 0xFF),
                static_cast<int>((colour.value >> 16) & 0xFF));
}

QPixmap DecodePicture(const std::vector<std::uint8_t>& file) {
  if (file.size() < 4) return {};
  const auto* data = reinterpret_cast<const uchar*>(file.data());
  const auto size = static_cast<int>(file.size());
  const bool bitmap = file[0] == 'B' && file[1] == 'M';
  const char* format = bitmap ? "BMP" : (file[2] == 2 ? "CUR" : "ICO");
  return QPixmap::fromImage(QImage::fromData(data, size, format));
}

}  // namespace tessel::runtime::qt
