#include "controls/WaveBands.h"

#include <gtest/gtest.h>

using namespace lumivra;

namespace {

constexpr WaveColor kAqua = 0xFFFF00;

WaveBands SplashWave() {
  WaveBands wave;
  wave.SetFromColor(kAqua);
  wave.SetToColor(0);
  return wave;
}

}  // namespace

TEST(WaveBands, CountsTheBandsDownAndBack) {
  EXPECT_EQ(SplashWave().BandCount(), 34);
  EXPECT_EQ(WaveBands().BandCount(), 34);  // red to yellow: green rises in 17 steps

  WaveBands same;
  same.SetToColor(same.FromColor());
  EXPECT_EQ(same.BandCount(), 0);
  const auto fills = same.Paint(false, 40, 5);
  ASSERT_EQ(fills.size(), 1u);  // the background only
  EXPECT_EQ(fills[0], (WaveFill{{0, 0, 40, 5}, same.FromColor()}));

  // Differences that are no multiple of the step still end on the target.
  WaveBands odd;
  odd.SetFromColor(0x000007);
  odd.SetToColor(0x0A0000);
  EXPECT_EQ(odd.BandCount(), 2);
}

TEST(WaveBands, TheSplashRunDarkensToBlackAndBrightensBack) {
  WaveBands wave = SplashWave();
  const auto fills = wave.Paint(false, 377, 3);
  ASSERT_EQ(fills.size(), 35u);
  EXPECT_EQ(fills[0], (WaveFill{{0, 0, 377, 3}, kAqua}));
  EXPECT_EQ(fills[1], (WaveFill{{0, 0, 10, 3}, 0xF0F000}));
  EXPECT_EQ(fills[17], (WaveFill{{160, 0, 10, 3}, 0x000000}));
  EXPECT_EQ(fills[34], (WaveFill{{330, 0, 10, 3}, kAqua}));
  EXPECT_EQ(wave.DrawPos(), 340);
  EXPECT_EQ(wave.WaveOffset(), 0);  // an ordinary paint leaves the wave in place
}

TEST(WaveBands, ARunLongerThanThePanelWrapsToTheNearEdge) {
  WaveBands wave = SplashWave();
  const auto fills = wave.Paint(false, 95, 3);
  EXPECT_EQ(fills[10].rect, (LayoutRect{90, 0, 5, 3}));  // cut at the far edge
  EXPECT_EQ(fills[11].rect, (LayoutRect{0, 0, 10, 3}));

  wave.SetDirection(WaveDirection::BottomToTop, 3, 25);
  const auto up = wave.Paint(false, 3, 25);
  EXPECT_EQ(up[1].rect, (LayoutRect{0, 15, 3, 10}));
  EXPECT_EQ(up[3].rect, (LayoutRect{0, 0, 3, 5}));
  EXPECT_EQ(up[4].rect, (LayoutRect{0, 15, 3, 10}));  // from the bottom again
}

TEST(WaveBands, AnAnimationPaintClearsTheBandLeftAndMovesOn) {
  WaveBands wave = SplashWave();
  wave.Paint(true, 377, 3);
  const auto second = wave.Paint(true, 377, 3);
  EXPECT_EQ(second[0], (WaveFill{{0, 0, 10, 3}, kAqua}));
  EXPECT_EQ(second[1].rect, (LayoutRect{10, 0, 10, 3}));
  EXPECT_EQ(wave.WaveOffset(), 20);

  wave.SetDirection(WaveDirection::RightToLeft, 377, 3);
  const auto back = wave.Paint(true, 377, 3);
  EXPECT_EQ(back[0].rect, (LayoutRect{350, 0, 10, 3}));  // right of where the run ends
}

TEST(WaveBands, ChangingDirectionMirrorsOrRestartsTheWave) {
  WaveBands wave = SplashWave();
  wave.Paint(true, 377, 3);
  ASSERT_EQ(wave.DrawPos(), 340);
  wave.SetDirection(WaveDirection::RightToLeft, 377, 3);
  EXPECT_EQ(wave.WaveOffset(), 340);  // the run turns round where it ended
  EXPECT_EQ(wave.DrawPos(), 37);
  wave.SetDirection(WaveDirection::BottomToTop, 377, 3);
  EXPECT_EQ(wave.WaveOffset(), 3);
  EXPECT_EQ(wave.DrawPos(), 3);
  wave.SetDirection(WaveDirection::LeftToRight, 377, 3);
  EXPECT_EQ(wave.WaveOffset(), 0);
}

TEST(WaveBands, StepsOfZeroOrLessAreRefused) {
  WaveBands wave;
  EXPECT_FALSE(wave.SetStepSize(0));
  EXPECT_FALSE(wave.SetStepColor(-3));
  EXPECT_EQ(wave.StepSize(), 10);
  EXPECT_EQ(wave.StepColor(), 15);
  EXPECT_TRUE(wave.SetStepColor(51));
  EXPECT_EQ(wave.BandCount(), 10);
}
