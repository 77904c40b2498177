#include <gtest/gtest.h>

#include "skin/SkinLayout.h"

using namespace lumivra;

namespace {

// The slice drawn last at a tile position; -1 when none is.
int SliceAt(const DrawSteps& steps, SkinImage image, int x, int y) {
  int slice = -1;
  for (const auto& s : steps)
    if (s.kind == StepKind::Copy && s.image == image && s.target.x == x && s.target.y == y)
      slice = s.source.x / s.source.width;
  return slice;
}

int Count(const DrawSteps& steps, SkinImage image) {
  int n = 0;
  for (const auto& s : steps) n += s.kind == StepKind::Copy && s.image == image;
  return n;
}

}  // namespace

TEST(SkinLayoutTest, FrameTilesTheWallpaperAndPutsEachBorderSliceInItsPlace) {
  FrameInput in;
  in.width = 128;
  in.height = 70;
  in.wallpaper = {64, 64};
  auto plan = PlanFrame(in);
  EXPECT_EQ(Count(plan.steps, SkinImage::WallPaper), 3 * 2);  // i = 0, 1, 2; j = 0, 1
  EXPECT_EQ(plan.steps[1].target, (LayoutRect{0, 64, 64, 64}));  // columns outer, rows inner
  auto at = [&](int x, int y) { return SliceAt(plan.steps, SkinImage::Border, x, y); };
  // Border order: bottom-left, bottom, bottom-right, right, left, top-left, top, top-right.
  EXPECT_EQ(at(0, 60), 0);
  EXPECT_EQ(at(50, 60), 1);
  EXPECT_EQ(at(118, 60), 2);
  EXPECT_EQ(at(118, 20), 3);
  EXPECT_EQ(at(0, 20), 4);
  EXPECT_EQ(at(0, 0), 5);
  EXPECT_EQ(at(50, 0), 6);
  EXPECT_EQ(at(118, 0), 7);

  // 25 wide: bottom tiles at 10 and 20 (the second overhangs), then the
  // corner at 15 covers them.
  in.width = 25;
  in.wallpaper = {};
  plan = PlanFrame(in);
  EXPECT_EQ(plan.steps.front().kind, StepKind::Fill);
  std::vector<int> bottom;
  for (const auto& s : plan.steps)
    if (s.image == SkinImage::Border && s.source.x == 10) bottom.push_back(s.target.x);
  EXPECT_EQ(bottom, (std::vector<int>{10, 20}));
  EXPECT_EQ(SliceAt(plan.steps, SkinImage::Border, 15, 60), 2);
  EXPECT_TRUE(plan.buttons.empty());
}

TEST(SkinLayoutTest, CaptionBarAndItsButtons) {
  FrameInput in;
  in.width = 300;
  in.height = 100;
  in.showCaption = true;
  in.active = false;
  in.caption = {250, 45};
  in.borderIcons = biSystemMenu | biMaximize | biMinimize;
  in.maximized = true;
  auto plan = PlanFrame(in);
  // Left end, stretched middles (cw - 200 wide into cw), texts, right end.
  int middles = 0;
  for (const auto& s : plan.steps) {
    if (s.image != SkinImage::InactiveCaption || s.kind != StepKind::Copy || s.source.x != 90) continue;
    EXPECT_EQ(s.source.width, 50);
    EXPECT_EQ(s.target, (LayoutRect{90 + middles * 250, 0, 250, 45}));
    ++middles;
  }
  EXPECT_EQ(middles, 3);  // k = 0 … 300 / 250 + 1
  ASSERT_EQ(plan.buttons.size(), 3u);
  EXPECT_EQ(plan.buttons[0].rect, (LayoutRect{277, 8, 15, 16}));
  EXPECT_EQ(plan.buttons[1].action, CaptionAction::MaximizeToggle);
  const auto& last = plan.steps.back();  // minimize glyph, drawn keyed, right of x = 247
  EXPECT_EQ(last.kind, StepKind::CopyKeyed);
  EXPECT_EQ(last.source.x, 15);
  EXPECT_EQ(plan.steps[plan.steps.size() - 2].source.x, 30);  // restore: the window is maximized
  // Hits include the right and bottom edges; the first match wins.
  EXPECT_EQ(HitCaptionButton(plan.buttons, 292, 24)->action, CaptionAction::Close);
  EXPECT_EQ(HitCaptionButton(plan.buttons, 277, 8)->action, CaptionAction::Close);
  EXPECT_EQ(HitCaptionButton(plan.buttons, 276, 8)->action, CaptionAction::MaximizeToggle);
  EXPECT_EQ(HitCaptionButton(plan.buttons, 276, 25), nullptr);

  // An empty caption bitmap copies nothing but still draws the texts.
  in.caption = {};
  plan = PlanFrame(in);
  EXPECT_EQ(Count(plan.steps, SkinImage::InactiveCaption), 0);
  int texts = 0;
  for (const auto& s : plan.steps) texts += s.kind == StepKind::Caption || s.kind == StepKind::SecondCaption;
  EXPECT_EQ(texts, 2);
}

TEST(SkinLayoutTest, PanelBorderOfSixByFiveTiles) {
  auto steps = PlanPanel(100, 48, {});
  EXPECT_EQ(steps.front().target, (LayoutRect{-1, -1, 102, 50}));  // no wallpaper: colour fill
  std::vector<int> left;
  for (const auto& s : steps)
    if (s.image == SkinImage::SmBorder && s.source.x == 36) left.push_back(s.target.y);
  EXPECT_EQ(left, (std::vector<int>{5, 10, 15, 20, 25, 30, 35, 40, 45}));
  auto at = [&](int x, int y) { return SliceAt(steps, SkinImage::SmBorder, x, y); };
  // SmBorder order: bottom-left, bottom, bottom-right, top-left, top, top-right, left, right.
  EXPECT_EQ(at(0, 43), 0);
  EXPECT_EQ(at(48, 43), 1);
  EXPECT_EQ(at(94, 43), 2);
  EXPECT_EQ(at(0, 0), 3);
  EXPECT_EQ(at(48, 0), 4);
  EXPECT_EQ(at(94, 0), 5);
  EXPECT_EQ(at(0, 20), 6);
  EXPECT_EQ(at(94, 20), 7);
}

TEST(SkinLayoutTest, FallbackFacesWithoutASkin) {
  auto flatRest = PlanButtonFace(ButtonState::Up, false, true, false, 25, 25, 0);
  EXPECT_EQ(flatRest.edge, FallbackEdge::None);
  EXPECT_EQ(flatRest.paint, (LayoutRect{1, 1, 23, 23}));
  EXPECT_EQ(PlanButtonFace(ButtonState::Up, true, true, false, 25, 25, 0).edge, FallbackEdge::RaisedInner);
  EXPECT_EQ(PlanButtonFace(ButtonState::Disabled, true, true, false, 25, 25, 0).edge, FallbackEdge::None);
  auto stuck = PlanButtonFace(ButtonState::Exclusive, false, false, false, 25, 25, 0);
  EXPECT_EQ(stuck.edge, FallbackEdge::PushButtonPushed);
  EXPECT_TRUE(stuck.pattern);
  EXPECT_EQ(stuck.paint, (LayoutRect{2, 2, 21, 21}));
  // A flat stuck-down button under the mouse shows no pattern.
  EXPECT_FALSE(PlanButtonFace(ButtonState::Exclusive, true, true, false, 25, 25, 0).pattern);
}
