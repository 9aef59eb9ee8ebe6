#include "runtime/qt/windows_line.h"

#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <cmath>

namespace tessel::runtime::qt {
namespace {

constexpr qsizetype kWinAscentOffset = 74;  // usWinAscent, then usWinDescent, big-endian
constexpr qsizetype kWinMetricsEnd = kWinAscentOffset + 4;

int BigEndian16(const QByteArray& table, qsizetype offset) {
  return (static_cast<unsigned char>(table[offset]) << 8) |
         static_cast<unsigned char>(table[offset + 1]);
}

int Scaled(int units, qreal pixel_size, qreal units_per_em) {
  return static_cast<int>(std::lround(units * pixel_size / units_per_em));
}

WindowsLine Read(const QFont& font) {
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
  if (os2.size() < kWinMetricsEnd || raw.unitsPerEm() <= 0) {
    const QFontMetrics metrics(font);
    return {metrics.ascent(), metrics.height()};
  }
  const qreal pixels = raw.pixelSize();
  const int ascent = Scaled(BigEndian16(os2, kWinAscentOffset), pixels, raw.unitsPerEm());
  const int descent = Scaled(BigEndian16(os2, kWinAscentOffset + 2), pixels, raw.unitsPerEm());
  return {ascent, ascent + descent};
}

}  // namespace

// Read once for each font: the face's tables come from its file.
WindowsLine WindowsLineOf(const QFont& font) {
  static QHash<QString, WindowsLine> lines;
  const QString key = font.key();
  const auto found = lines.constFind(key);
  if (found != lines.constEnd()) return *found;
  return lines[key] = Read(font);
}

}  // namespace tessel::runtime::qt
