#include "controls/MarkLayout.h"

#include <gtest/gtest.h>

using namespace lumivra;

TEST(MarkLayout, TextIsRightAlignedAndCentredRegisteredSitsHigher) {
  MarkMetrics m{.barTop = 0, .barHeight = 20, .rightEdge = 200, .textWidth = 100, .textHeight = 13};
  MarkPlacement p = PlaceMark(m);
  EXPECT_EQ(p.x, 100);
  EXPECT_EQ(p.y, 3);
  EXPECT_EQ(p.area, (LayoutRect{100, 1, 101, 18}));  // columns 100 to 200, rows 1 to 18
  EXPECT_TRUE(p.area.Contains(200, 18));
  EXPECT_FALSE(p.area.Contains(201, 18) || p.area.Contains(200, 19));

  m.registered = true;
  m.registeredWidth = 8;
  p = PlaceMark(m);
  EXPECT_EQ(p.x, 92);
  EXPECT_EQ(p.y, 1);
  m.barHeight = 12;  // never above the bar's top
  EXPECT_EQ(PlaceMark(m).y, 0);

  m.logoWidth = 16;
  p = PlaceMark(m);
  EXPECT_EQ(p.logoLeft, p.x - 18);
  EXPECT_EQ(p.area.x, p.x - 17);
  m.textWidth = 0;  // a logo alone: the area is the logo's
  p = PlaceMark(m);
  EXPECT_EQ(p.logoLeft, 184);
  EXPECT_EQ(p.area.x, 184);
}
