#include <gtest/gtest.h>

#include "skin/MenuItemLayout.h"

using namespace lumivra;

TEST(MenuItemLayoutTest, SeparatorLineRoundsHalfToEven) {
  MenuItemInput in;
  in.separator = true;
  in.item = {0, 10, 120, 9};  // text 7 high: 3.5 rounds to 4
  EXPECT_EQ(LayoutMenuItem(in).lineY, 12 + 4);
  in.item.height = 8;  // 6 high: 3
  EXPECT_EQ(LayoutMenuItem(in).lineY, 12 + 3);
  in.item.height = 7;  // 5 high: 2.5 rounds to 2
  EXPECT_EQ(LayoutMenuItem(in).lineY, 12 + 2);
  const auto line = LayoutMenuItem(in);
  EXPECT_EQ(line.lineLeft, 2);
  EXPECT_EQ(line.lineRight, 118);
}

TEST(MenuItemLayoutTest, SelectionColourDisabledItemsAndTheBar) {
  MenuItemInput in;
  in.item = {0, 0, 150, 22};
  in.selected = true;
  auto item = LayoutMenuItem(in);
  EXPECT_EQ(item.ink, MenuInk::Accent);
  EXPECT_EQ(item.outline, (LayoutRect{20, 2, 130, 20}));
  in.enabled = false;  // grey, also when selected
  EXPECT_EQ(LayoutMenuItem(in).ink, MenuInk::Grey);
  in.isDefault = true;  // the default item: grey shadow, caption in ink
  item = LayoutMenuItem(in);
  EXPECT_EQ(item.shadow, (LayoutRect{21, 3, 130, 19}));
  EXPECT_EQ(item.ink, MenuInk::Ink);

  // A bar item without a picture: its text from the item's left edge.
  MenuItemInput bar;
  bar.item = {40, 0, 60, 20};
  bar.topLevel = true;
  EXPECT_EQ(LayoutMenuItem(bar).text, bar.item);
  bar.hasPicture = true;
  EXPECT_EQ(LayoutMenuItem(bar).text, (LayoutRect{60, 2, 40, 18}));
}

TEST(MenuItemLayoutTest, RightToLeftMirrorsPictureColumnAndCheckBox) {
  MenuItemInput in;
  in.item = {10, 0, 100, 24};
  in.checked = true;
  in.rightToLeft = true;
  const auto item = LayoutMenuItem(in);
  EXPECT_EQ(item.pictureColumn, (LayoutRect{90, 0, 20, 24}));
  EXPECT_EQ(item.text, (LayoutRect{10, 2, 80, 22}));
  EXPECT_EQ(item.checkMark, (LayoutRect{96, 6, 8, 12}));
  EXPECT_EQ(item.pictureX, 92);
}
