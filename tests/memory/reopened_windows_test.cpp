// Qt keeps what it draws buttons with, and the sizes it makes of window icons, in an
// application-wide pixmap cache, under the identity of the button's palette and of the icon.
// A window opened again must come with the palettes and icons of its first opening, or every
// opening adds pixmaps to the cache that nothing looks up again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <set>
#include <vector>

#include "tests/scenario/scenario.h"

namespace tessel::testing {
namespace {

struct Identities {
  std::set<qint64> button_palettes;
  std::set<qint64> window_icons;
};

Identities OfVisibleWindows() {
  Identities seen;
  for (QWidget* widget : QApplication::allWidgets()) {
    if (!widget->isVisible()) continue;
    if (widget->isWindow()) seen.window_icons.insert(widget->windowIcon().cacheKey());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      seen.button_palettes.insert(button->palette().cacheKey());
    }
  }
  return seen;
}

TEST(ReopenedWindows, ComeWithThePalettesAndIconsOfTheirFirstOpening) {
  Scenario s;
  std::vector<Identities> openings;
  for (int opening = 0; opening < 2; ++opening) {
    s.Then([&] { s.Click("WStart", "w6Select"); })
        .Then([&] { s.Click("WStart", "W20Select"); })
        .Then([&] { s.Click("WStart", "InfoSelect"); })
        .Then([&] {
          openings.push_back(OfVisibleWindows());
          s.Click("InfoFR", "OK");
        })
        .Then([&] {
          s.Click("W6Form", "End");
          s.Click("W20Form", "End");
        });
  }
  s.Then([&] { s.Click("WStart", "W20End"); });
  EXPECT_EQ(s.Run(), 0);
  ASSERT_EQ(openings.size(), 2u);
  EXPECT_FALSE(openings[0].button_palettes.empty());
  EXPECT_EQ(openings[0].button_palettes, openings[1].button_palettes);
  EXPECT_FALSE(openings[0].window_icons.empty());
  EXPECT_EQ(openings[0].window_icons, openings[1].window_icons);
}

}  // namespace
}  // namespace tessel::testing
