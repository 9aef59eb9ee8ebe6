// Makes the application icon's PNGs for the hicolor theme from the start window's icon file:
//   icon_to_png <theme-dir> <size>...
// writes <theme-dir>/<size>x<size>/apps/tessel.png for each size.

#include <QDir>
#include <QImage>
#include <cstdio>
#include <string>

#include "program/resources/pictures.h"

namespace {

constexpr int kSide = 32;

// Whole multiples keep the pixels square and sharp. Other sizes are first blown up to the
// nearest multiple at or above them, then smoothly brought down, so that no pixel doubles
// while its neighbour does not.
QImage Resize(const QImage& icon, int size) {
  if (size % kSide == 0)
    return icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const int factor = (size + kSide - 1) / kSide;
  return icon.scaled(kSide * factor, kSide * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: icon_to_png <theme-dir> <size>...\n");
    return 2;
  }
  const auto& bytes = tessel::resources::StartIconFile();
  const QImage icon = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "ICO")
                          .convertToFormat(QImage::Format_ARGB32);
  if (icon.size() != QSize(kSide, kSide)) {
    std::fprintf(stderr, "icon_to_png: Qt cannot read the icon (no ICO image plugin?)\n");
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    const int size = std::stoi(argv[i]);
    const QString dir =
        QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (!QDir().mkpath(dir) || !Resize(icon, size).save(dir + "/tessel.png", "PNG")) {
      std::fprintf(stderr, "icon_to_png: cannot write %s/tessel.png\n", qPrintable(dir));
      return 1;
    }
  }
  return 0;
}
