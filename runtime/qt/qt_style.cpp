#include "runtime/qt/qt_style.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

#include "runtime/core/face_substitutes.h"
#include "runtime/core/palette.h"
#include "runtime/core/picture_pixels.h"
#include "runtime/qt/frame_colours.h"

namespace tessel::runtime::qt {

void InstallFontSubstitutes() {
  for (const FaceSubstitute& face : kFaceSubstitutes) {
    QFont::insertSubstitution(ToQString(face.face), ToQString(face.substitute));
  }
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

void SetSystemColour(std::uint32_t index, QColor colour) {
  QPalette palette = QApplication::palette();
  palette.setColor(QtRoleOf(RoleOf(static_cast<SystemColour>(index))), colour);
  QApplication::setPalette(palette);
}

QColor ToQColor(Colour colour) {
  if (!IsSystemColour(colour)) return QColor(descriptions::FixedRgb(colour));
  const auto role = static_cast<SystemColour>(SystemColourIndex(colour));
  return QApplication::palette().color(QtRoleOf(RoleOf(role)));
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
