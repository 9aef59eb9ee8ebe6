#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "program/resources/picture_tables.h"
#include "tests/support/qt_picture_reader.h"

namespace tessel::resources {
namespace {

QImage ThemeIcon(int size) {
  const QString path = QStringLiteral(TESSEL_ICON_DIR "/%1x%1/apps/tessel.png").arg(size);
  return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// The sizes that are whole multiples of the icon show each of its pixels as a square block.
TEST(DesktopIcon, WholeMultiplesShowStartIconPixelForPixel) {
  for (const int size : {32, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage png = ThemeIcon(size);
    ASSERT_EQ(png.size(), QSize(size, size));
    const int block = size / 32;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        ASSERT_EQ(png.pixel(x, y),
                  testing::LetterColour(kStartIconRows[y / block][x / block]) | 0xFF000000u)
            << "pixel " << x << ", " << y;
      }
    }
  }
}

// 16 and 48 are smoothed, so the black frame blends a little with the grey inside it.
TEST(DesktopIcon, OtherSizesAreOpaqueAndFramedInDarkGrey) {
  for (const int size : {16, 48}) {
    SCOPED_TRACE(size);
    const QImage png = ThemeIcon(size);
    ASSERT_EQ(png.size(), QSize(size, size));
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) ASSERT_EQ(qAlpha(png.pixel(x, y)), 0xFF);
    }
    for (const QRgb corner : {png.pixel(0, 0), png.pixel(size - 1, size - 1)}) {
      EXPECT_LE(qGray(corner), 0x40);
    }
  }
}

}  // namespace
}  // namespace tessel::resources
