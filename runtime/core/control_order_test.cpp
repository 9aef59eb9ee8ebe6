#include "runtime/core/control_order.h"

#include <gtest/gtest.h>

namespace tessel::runtime {
namespace {

ControlSpec Control(int id, ControlKind kind, int parent_id = 0, bool tab_stop = false,
                    int tab_index = 0) {
  ControlSpec c;
  c.id = id;
  c.kind = kind;
  c.parent_id = parent_id;
  c.tab_stop = tab_stop;
  c.tab_index = tab_index;
  return c;
}

// Description order, with every kind of control and a panel holding two overlapping labels.
std::vector<ControlSpec> Sample() {
  using K = ControlKind;
  return {
      Control(1, K::kCommandButton, 0, true, 2),
      Control(2, K::kCommandButton),  // a button Tab passes by
      Control(3, K::kLabel),
      Control(4, K::kPictureBox),
      Control(5, K::kLabel, 4),
      Control(6, K::kLabel, 4),
      Control(7, K::kImage),
      Control(8, K::kCommandButton, 0, true, 0),
      Control(9, K::kCommandButton, 0, true, 2),  // the same TabIndex as 1, stored later
      Control(10, K::kCommandButton),
  };
}

TEST(ControlOrder, TabWalksTheTabStopsByTabIndexThenByDescriptionOrder) {
  EXPECT_EQ(TabOrder(Sample()), (std::vector<int>{8, 1, 9}));
  EXPECT_TRUE(TabOrder({}).empty());
}

// The tab stops lead; a picture box lies in front of an image it overlaps, and of two labels the
// one stored later lies in front.
TEST(ControlOrder, StackingPutsTabStopsFirstAndWhatIsDrawnOnTheParentBehind) {
  EXPECT_EQ(FrontToBack(Sample()), (std::vector<int>{8, 1, 9, 10, 4, 2, 7, 6, 5, 3}));
}

// Buttons by TabIndex, Tab stop or not; the rest by their place in the window, top to bottom
// and then left to right, a label on a picture box counted from the window's corner.
TEST(ControlOrder, ReadingPutsButtonsByTabIndexFirstThenEverythingElseAsItStands) {
  std::vector<ControlSpec> controls = Sample();
  const auto place = [&controls](int id, int x, int y) { controls[id - 1].rect = {x, y, 10, 10}; };
  place(3, 50, 40);  // label on the window
  place(4, 0, 30);   // picture box
  place(5, 5, 15);   // its label: 45 down in the window, under label 3's top edge
  place(6, 60, 10);  // its other label: 40 down, right of label 3, so read after it
  place(7, 0, 40);   // image, level with label 3 and left of it
  controls[1].tab_index = 1;
  controls[9].tab_index = 1;
  EXPECT_EQ(ReadingOrder(controls), (std::vector<int>{8, 2, 10, 1, 9, 4, 7, 3, 6, 5}));
  EXPECT_TRUE(ReadingOrder({}).empty());
}

}  // namespace
}  // namespace tessel::runtime
