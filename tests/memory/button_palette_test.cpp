// Qt's style keeps the pixmaps it draws buttons with in an application-wide cache, under the
// button's palette. A window opened again must give its buttons the palettes of the first
// opening, or every opening adds pixmaps to the cache that nothing draws again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <set>
#include <vector>

#include "tests/scenario/scenario.h"

namespace tessel::testing {
namespace {

std::set<qint64> VisibleButtonPalettes() {
  std::set<qint64> keys;
  for (QWidget* widget : QApplication::allWidgets()) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (button && button->isVisible()) keys.insert(button->palette().cacheKey());
  }
  return keys;
}

TEST(ButtonPalettes, AreTheSameEachTimeTheWindowsOpen) {
  Scenario s;
  std::vector<std::set<qint64>> openings;
  for (int opening = 0; opening < 2; ++opening) {
    s.Then([&] { s.Click("WStart", "w6Select"); })
        .Then([&] { s.Click("WStart", "W20Select"); })
        .Then([&] { s.Click("WStart", "InfoSelect"); })
        .Then([&] {
          openings.push_back(VisibleButtonPalettes());
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
  EXPECT_FALSE(openings[0].empty());
  EXPECT_EQ(openings[0], openings[1]);
}

}  // namespace
}  // namespace tessel::testing
