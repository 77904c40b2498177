#include "controls/TextureLayout.h"

#include <gtest/gtest.h>

using namespace lumivra;

TEST(TextureLayout, TilesAreCutAtTheRightAndBottomEdges) {
  const auto pieces = LayoutTexture(TextureStyle::Tile, {0, 0, 100, 64}, 64, 64);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0], (TexturePiece{{0, 0, 64, 64}, {0, 0, 64, 64}}));
  EXPECT_EQ(pieces[1], (TexturePiece{{0, 0, 36, 64}, {64, 0, 36, 64}}));

  const auto grid = LayoutTexture(TextureStyle::Tile, {0, 0, 130, 70}, 64, 64);
  ASSERT_EQ(grid.size(), 6u);  // three columns, two rows
  EXPECT_EQ(grid[2], (TexturePiece{{0, 0, 2, 64}, {128, 0, 2, 64}}));
  EXPECT_EQ(grid[5], (TexturePiece{{0, 0, 2, 6}, {128, 64, 2, 6}}));
}

TEST(TextureLayout, TilesStartAtTheClientOrigin) {
  const auto pieces = LayoutTexture(TextureStyle::Tile, {5, 7, 64, 10}, 64, 64);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].target, (LayoutRect{5, 7, 64, 10}));
  EXPECT_EQ(pieces[0].source, (LayoutRect{0, 0, 64, 10}));
}

TEST(TextureLayout, CenteredTextureIsCutWhenLargerThanThePanel) {
  const auto cut = LayoutTexture(TextureStyle::Center, {0, 0, 150, 300}, 200, 100);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].target, (LayoutRect{0, 100, 150, 100}));
  EXPECT_EQ(cut[0].source, (LayoutRect{0, 0, 150, 100}));

  // Odd differences are truncated; equal sizes sit at the origin.
  const auto odd = LayoutTexture(TextureStyle::Center, {10, 20, 101, 64}, 64, 64);
  ASSERT_EQ(odd.size(), 1u);
  EXPECT_EQ(odd[0].target, (LayoutRect{28, 20, 64, 64}));
}

TEST(TextureLayout, StretchCoversTheClientAndNothingDrawsWithoutATexture) {
  const auto stretched = LayoutTexture(TextureStyle::Stretch, {0, 0, 337, 385}, 64, 64);
  ASSERT_EQ(stretched.size(), 1u);
  EXPECT_EQ(stretched[0], (TexturePiece{{0, 0, 64, 64}, {0, 0, 337, 385}}));

  EXPECT_TRUE(LayoutTexture(TextureStyle::None, {0, 0, 100, 100}, 64, 64).empty());
  EXPECT_TRUE(LayoutTexture(TextureStyle::Tile, {0, 0, 100, 100}, 0, 0).empty());
  EXPECT_TRUE(LayoutTexture(TextureStyle::Tile, {0, 0, 0, 100}, 64, 64).empty());
}
