#include <gtest/gtest.h>

#include "skin/ButtonLayout.h"
#include "skin/ButtonMachine.h"
#include "skin/GlyphLayout.h"
#include "skin/SkinLayout.h"

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

namespace {

// Where a toolbar button's first face frame and its glyph go.
struct FaceAndGlyph {
  std::vector<int> frames;  // SpeedButton frames drawn, in order
  int glyphX;
  int glyphY;
};

class NoText : public CaptionMetrics {
  int LineWidth(const std::u32string&) const override { return 0; }
  SkinSize TextSize(const std::u32string&, int) const override { return {}; }
};

FaceAndGlyph PlanButtonPaint(ButtonState state, bool hot, int width, int height, int glyphWidth,
                             int glyphHeight) {
  const auto face = PlanButtonFace(state, hot, /*flat=*/true, /*skinned=*/true, width, height, 31);
  FaceAndGlyph out{{}, 0, 0};
  for (const auto& step : face.steps) out.frames.push_back(step.source.x / 31);
  const auto place = PlaceGlyphAndCaption({face.paint, {glyphWidth, glyphHeight}}, U"", NoText());
  out.glyphX = place.glyphX;
  out.glyphY = place.glyphY;
  return out;
}

}  // namespace

TEST(ButtonLayoutTest, GlyphIsCentredAndShiftsByOnePixelWhilePressed) {
  auto up = PlanButtonPaint(ButtonState::Up, false, 31, 31, 16, 16);
  EXPECT_EQ(up.frames, std::vector<int>{0});
  EXPECT_EQ(up.glyphX, 6);
  EXPECT_EQ(up.glyphY, 6);
  auto down = PlanButtonPaint(ButtonState::Down, false, 31, 31, 16, 16);
  EXPECT_EQ(down.frames, std::vector<int>{2});
  EXPECT_EQ(down.glyphX, 7);
  EXPECT_EQ(down.glyphY, 7);
  auto hot = PlanButtonPaint(ButtonState::Up, true, 31, 31, 17, 17);
  EXPECT_EQ(hot.frames, (std::vector<int>{0, 1}));
  EXPECT_EQ(hot.glyphX, 7);
  // A disabled button never looks hot.
  EXPECT_EQ(PlanButtonPaint(ButtonState::Disabled, true, 31, 31, 16, 16).frames, std::vector<int>{0});
  // No glyph: nothing to centre, but no negative surprise either.
  EXPECT_EQ(PlanButtonPaint(ButtonState::Up, false, 31, 31, 0, 0).glyphX, 14);
  // Pressed under the mouse, a flat button shows the highlighted face.
  EXPECT_EQ(PlanButtonPaint(ButtonState::Down, true, 31, 31, 16, 16).frames, std::vector<int>{1});
}

TEST(ButtonLayoutTest, PressDragAndReleaseDecideTheClick) {
  ButtonMachine t;
  auto click = [&](int x, int y) { return (t.Release(x, y, 31, 31) & kClick) != 0; };
  EXPECT_FALSE(t.Press(false));  // disabled: nothing
  EXPECT_FALSE(t.Dragging());
  EXPECT_FALSE(click(5, 5));

  EXPECT_TRUE(t.Press(true));
  EXPECT_EQ(t.State(), ButtonState::Down);
  EXPECT_TRUE(t.Move(40, 5, 31, 31));  // dragged off: face comes up
  EXPECT_EQ(t.State(), ButtonState::Up);
  EXPECT_FALSE(t.Move(50, 5, 31, 31));
  EXPECT_TRUE(t.Move(5, 5, 31, 31));  // back on: pressed again
  EXPECT_TRUE(click(5, 5));
  EXPECT_EQ(t.State(), ButtonState::Up);

  // The bottom edge row counts as inside, the right edge column does not.
  t.Press(true);
  EXPECT_TRUE(click(10, 31));
  t.Press(true);
  EXPECT_FALSE(click(31, 10));
  EXPECT_EQ(t.State(), ButtonState::Up);  // released outside without a move: up again
  t.Press(true);
  EXPECT_FALSE(click(-1, 10));
}

TEST(ButtonLayoutTest, GroupedButtonsStayDownExclusively) {
  ButtonMachine a, b;
  EXPECT_EQ(a.SetDown(true), kNoEffect);  // no group: stays up
  EXPECT_FALSE(a.Down());
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  auto clickOn = [](ButtonMachine& m, ButtonMachine& other) {
    m.Press(true);
    const unsigned effects = m.Release(5, 5, 31, 31);
    if (effects & kNotifyGroup) other.GroupPressed(m.GroupIndex(), m.Down(), m.AllowAllUp());
    return effects;
  };
  clickOn(a, b);
  EXPECT_TRUE(a.Down());
  EXPECT_EQ(a.State(), ButtonState::Exclusive);
  clickOn(b, a);  // pressing the second releases the first
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(a.Down());
  EXPECT_EQ(a.State(), ButtonState::Up);
  EXPECT_TRUE(clickOn(b, a) & kClick);  // clicking the down one: a click, still down
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.State(), ButtonState::Exclusive);
  EXPECT_EQ(b.SetDown(false), kNoEffect);

  b.SetAllowAllUp(true);  // the group learns it from b
  a.GroupPressed(1, b.Down(), b.AllowAllUp());
  EXPECT_TRUE(a.AllowAllUp());
  clickOn(b, a);
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(b.State(), ButtonState::Up);

  // A press on a stuck-down button dragged off leaves it stuck down.
  a.SetDown(true);
  a.Press(true);
  EXPECT_EQ(a.Move(50, 5, 31, 31), kNoEffect);
  EXPECT_EQ(a.State(), ButtonState::Exclusive);
  a.Release(50, 5, 31, 31);
  EXPECT_TRUE(a.Down());

  // Hover is tracked for flat, enabled buttons only.
  ButtonMachine plain;
  plain.Enter(true);
  EXPECT_FALSE(plain.Hot());
  plain.SetFlat(true);
  plain.Enter(false);
  EXPECT_FALSE(plain.Hot());
  plain.Enter(true);
  EXPECT_TRUE(plain.Hot());
  plain.Press(true);
  plain.Leave(true);  // not while dragging
  EXPECT_TRUE(plain.Hot());
  plain.FixState(false);  // disabled: no more dragging
  EXPECT_EQ(plain.State(), ButtonState::Disabled);
  EXPECT_FALSE(plain.Dragging());
}
