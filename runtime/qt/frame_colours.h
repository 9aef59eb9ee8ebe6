#pragma once

#include <QColor>
#include <QPalette>

namespace tessel::runtime::qt {

// What the self-drawn frame is painted with.
struct FrameColours {
  QColor face, light, shadow, dark_shadow;
  QColor glyph;  // the close box's cross
  struct Caption {
    QColor from, to;  // the title bar's gradient, from the left
    QColor text;
  };
  Caption active, inactive;
};

// The frame in the colours of the palette: the desktop's, so that a dark scheme gives dark
// frames. Qt's own palette, which stands for no scheme at all, keeps the classic colours.
FrameColours FrameColoursOf(const QPalette& palette);

}  // namespace tessel::runtime::qt
