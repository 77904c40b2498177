#include <gtest/gtest.h>

#include "ButtonLayout.h"

using namespace lumivra;

TEST(ButtonLayoutTest, ToolbarButtonsFitThePanelWithoutOverlapAndSeparatorsSitBetweenGroups) {
  const auto& buttons = ToolbarButtons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i].top, 8) << buttons[i].name;
    EXPECT_LE(buttons[i].top + kToolButtonSize, kToolPanelHeight - 5) << buttons[i].name;
    if (i > 0) {
      EXPECT_GE(buttons[i].left, buttons[i - 1].left + kToolButtonSize) << buttons[i].name;
    }
  }
  // Each separator lies in a gap between two neighbouring buttons:
  // after Forward, Print and Display.
  const char* before[] = {"ForwardBtn", "PrintBtn", "DisplayOptionBtn"};
  int k = 0;
  for (const auto& sep : ToolbarSeparators()) {
    std::size_t i = 0;
    while (buttons[i].name != before[k]) ++i;
    EXPECT_GE(sep.left, buttons[i].left + kToolButtonSize) << sep.name;
    EXPECT_LE(sep.left + sep.width, buttons[i + 1].left) << sep.name;
    ++k;
  }
  EXPECT_EQ(buttons.front().name, "HomeBtn");
  EXPECT_EQ(buttons.back().left, 307);
}

TEST(ButtonLayoutTest, GlyphIsCentredAndShiftsByOnePixelWhilePressed) {
  auto up = PlanButtonPaint(ButtonState::Up, false, 31, 31, 16, 16);
  EXPECT_EQ(up.face, ButtonFace::Raised);
  EXPECT_EQ(up.glyphX, 6);
  EXPECT_EQ(up.glyphY, 6);
  auto down = PlanButtonPaint(ButtonState::Down, false, 31, 31, 16, 16);
  EXPECT_EQ(down.face, ButtonFace::Pressed);
  EXPECT_EQ(down.glyphX, 7);
  EXPECT_EQ(down.glyphY, 7);
  auto hot = PlanButtonPaint(ButtonState::Up, true, 31, 31, 17, 17);
  EXPECT_EQ(hot.face, ButtonFace::Hot);
  EXPECT_EQ(hot.glyphX, 7);
  // A disabled button never looks hot.
  EXPECT_EQ(PlanButtonPaint(ButtonState::Disabled, true, 31, 31, 16, 16).face, ButtonFace::Raised);
  // No glyph: nothing to centre, but no negative surprise either.
  EXPECT_EQ(PlanButtonPaint(ButtonState::Up, false, 31, 31, 0, 0).glyphX, 14);
}

TEST(ButtonLayoutTest, PressDragAndReleaseDecideTheClick) {
  PushButtonTracker t;
  EXPECT_FALSE(t.Press(false));  // disabled: nothing
  EXPECT_FALSE(t.Dragging());
  EXPECT_FALSE(t.Release(5, 5, 31, 31));

  EXPECT_TRUE(t.Press(true));
  EXPECT_EQ(t.State(), ButtonState::Down);
  EXPECT_TRUE(t.Move(40, 5, 31, 31));  // dragged off: face comes up
  EXPECT_EQ(t.State(), ButtonState::Up);
  EXPECT_FALSE(t.Move(50, 5, 31, 31));
  EXPECT_TRUE(t.Move(5, 5, 31, 31));  // back on: pressed again
  EXPECT_TRUE(t.Release(5, 5, 31, 31));
  EXPECT_EQ(t.State(), ButtonState::Up);

  // The bottom edge row counts as inside, the right edge column does not.
  t.Press(true);
  EXPECT_TRUE(t.Release(10, 31, 31, 31));
  t.Press(true);
  EXPECT_FALSE(t.Release(31, 10, 31, 31));
  t.Press(true);
  EXPECT_FALSE(t.Release(-1, 10, 31, 31));
}
