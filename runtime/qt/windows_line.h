#pragma once

#include <QFont>

namespace tessel::runtime::qt {

// A line of text as Windows lays it out: the font's own Windows ascent and descent (the OS/2
// table's usWinAscent and usWinDescent), each scaled to the pixel size and rounded. Qt's own
// metrics come from the hhea table, which for some faces is several pixels shorter, and would
// put every line higher and every auto-size label lower than on the other target.
struct WindowsLine {
  int ascent = 0;
  int height = 0;
};

// Qt's own metrics where the face has no OS/2 table.
WindowsLine WindowsLineOf(const QFont& font);

}  // namespace tessel::runtime::qt
