// Writes each picture eight times enlarged as a PNG, for looking at them:
//   enlarge_pictures <dir>
// Qt's readers decode the files, so these show what a reader makes of the bytes. The cursor's
// transparent pixels show as a light checkerboard.

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "program/resources/pictures.h"

namespace {

constexpr int kScale = 8;

QImage OnCheckerboard(const QImage& picture) {
  QImage board(picture.size(), QImage::Format_ARGB32);
  for (int y = 0; y < board.height(); ++y) {
    for (int x = 0; x < board.width(); ++x) {
      board.setPixel(x, y, (x + y) % 2 ? qRgb(0xD0, 0xD0, 0xD0) : qRgb(0xFF, 0xFF, 0xFF));
    }
  }
  QPainter painter(&board);
  painter.drawImage(0, 0, picture);
  return board;
}

struct Picture {
  const char* file;
  const std::vector<std::uint8_t>& bytes;
  const char* format;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: enlarge_pictures <dir>\n");
    return 2;
  }
  using namespace tessel::resources;
  const Picture pictures[] = {
      {"start_icon.png", StartIconFile(), "ICO"},
      {"ball_cursor.png", BallCursorFile(), "CUR"},
      {"short_strip.png", ShortStripFile(), "BMP"},
      {"long_strip.png", LongStripFile(), "BMP"},
      {"about_picture.png", AboutPictureFile(), "BMP"},
  };
  for (const Picture& p : pictures) {
    QImage image = QImage::fromData(p.bytes.data(), static_cast<int>(p.bytes.size()), p.format);
    if (image.isNull()) {
      std::fprintf(stderr, "enlarge_pictures: Qt cannot read %s\n", p.file);
      return 1;
    }
    if (image.hasAlphaChannel())
      image = OnCheckerboard(image.convertToFormat(QImage::Format_ARGB32));
    const QImage large =
        image.convertToFormat(QImage::Format_RGB32)
            .scaled(image.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString path = QString::fromLocal8Bit(argv[1]) + "/" + p.file;
    if (!large.save(path, "PNG")) {
      std::fprintf(stderr, "enlarge_pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
