#include <gtest/gtest.h>

#include "skin/GlyphLayout.h"

using namespace lumivra;

namespace {

// Characters 5 wide ("." 1, the accelerator mark 0), lines 10 high.
class FixedMetrics : public CaptionMetrics {
public:
  int LineWidth(const std::u32string& line) const override {
    int width = 0;
    for (char32_t c : line) width += c == U'.' ? 1 : c == U'&' ? 0 : 5;
    return width;
  }
  SkinSize TextSize(const std::u32string& text, int) const override {
    int lines = 1, longest = 0;
    std::u32string line;
    for (char32_t c : text + U'\n') {
      if (c != U'\n') {
        line += c;
        continue;
      }
      longest = std::max(longest, LineWidth(line));
      line.clear();
      ++lines;
    }
    return {longest, 10 * (lines - 1)};
  }
};

}  // namespace

TEST(GlyphLayoutTest, StripSizeSetsNumGlyphs) {
  EXPECT_EQ(NumGlyphsForStrip(64, 16, 1), 4);
  EXPECT_EQ(NumGlyphsForStrip(80, 16, 2), 1);  // quotient 5
  EXPECT_EQ(NumGlyphsForStrip(40, 16, 3), 3);  // not a multiple: unchanged
  EXPECT_EQ(NumGlyphsForStrip(0, 16, 3), 1);   // never zero images
  EXPECT_EQ(ClampNumGlyphs(7, 1), 4);
  EXPECT_EQ(ClampNumGlyphs(0, 2), 2);

  // Down uses the up image unless the strip has three; a state beyond the
  // strip uses the first; disabled with one image is embossed.
  EXPECT_EQ(GlyphSourceFor(ButtonState::Down, 2, 32, 16)->slice.x, 0);
  EXPECT_EQ(GlyphSourceFor(ButtonState::Down, 3, 48, 16)->slice.x, 32);
  EXPECT_EQ(GlyphSourceFor(ButtonState::Exclusive, 3, 48, 16)->slice.x, 0);
  EXPECT_EQ(GlyphSourceFor(ButtonState::Exclusive, 4, 64, 16)->slice.x, 48);
  EXPECT_EQ(*GlyphSourceFor(ButtonState::Disabled, 1, 16, 16), (GlyphSource{{0, 0, 16, 16}, true}));
  EXPECT_FALSE(GlyphSourceFor(ButtonState::Disabled, 2, 32, 16)->embossed);
  EXPECT_FALSE(GlyphSourceFor(ButtonState::Up, 1, 0, 0));
}

TEST(GlyphLayoutTest, CaptionShortensLineByLineDownToDotsAlone) {
  const FixedMetrics m;
  EXPECT_EQ(FitCaption(U"Search", 30, m), U"Search");
  EXPECT_EQ(FitCaption(U"Search", 29, m), U"Sear...");  // loses two, gains "..."
  EXPECT_EQ(FitCaption(U"Search", 17, m), U"Se...");    // then one more each round
  EXPECT_EQ(FitCaption(U"Search", 2, m), U"...");       // the last candidate, even if too wide
  EXPECT_EQ(FitCaption(U"S", 1, m), U"S");              // one character: nothing to try
  EXPECT_EQ(FitCaption(U"Go\r\nSearch all  \n", 20, m), U"Go\nSea...");
  EXPECT_EQ(FitCaption(std::u32string(300, U'x'), 2000, m).size(), 255u);
}

TEST(GlyphLayoutTest, GlyphAndCaptionInEachLayout) {
  const FixedMetrics m;
  GlyphCaptionInput in{{0, 0, 100, 40}, {16, 16}, TButtonLayout::blGlyphLeft, -1, 4};
  // Centred together: margin = 50 - (16 + 4 + 20) / 2.
  auto p = PlaceGlyphAndCaption(in, U"&Find", m);
  EXPECT_EQ(p.glyphX, 30);
  EXPECT_EQ(p.glyphY, 12);
  EXPECT_EQ(p.text, (LayoutRect{50, 15, 20, 10}));

  in.layout = TButtonLayout::blGlyphRight;
  in.margin = 3;
  p = PlaceGlyphAndCaption(in, U"&Find", m);
  EXPECT_EQ(p.glyphX, 81);
  EXPECT_EQ(p.text.x, 57);

  // Margin and spacing both free: a third of the room each.
  in.layout = TButtonLayout::blGlyphTop;
  in.margin = in.spacing = -1;
  in.client = {5, 5, 60, 61};
  p = PlaceGlyphAndCaption(in, U"Go", m);
  EXPECT_EQ(p.glyphY, 5 + 11);  // (61 - 26) / 3
  EXPECT_EQ(p.text.y, 5 + 11 + 16 + 11);
  EXPECT_EQ(p.glyphX, 5 + 22);

  // Spacing free only: the caption centred in what is left below the glyph.
  in.layout = TButtonLayout::blGlyphBottom;
  in.margin = 2;
  p = PlaceGlyphAndCaption(in, U"Go", m);
  EXPECT_EQ(p.glyphY, 5 + 61 - 2 - 16);
  EXPECT_EQ(p.text.y, p.glyphY - (43 / 2 - 10 / 2) - 10);

  // A caption too wide for the room is fitted to it.
  in.layout = TButtonLayout::blGlyphLeft;
  in.client = {0, 0, 45, 20};
  in.margin = -1;
  in.spacing = 4;
  p = PlaceGlyphAndCaption(in, U"Print", m);
  EXPECT_EQ(p.caption, U"Pri...");  // room: 45 - 16 - 2 - 4 = 23
  in.client.width = 24;             // room 2: "..." alone, 3 wide, clipped to 2
  p = PlaceGlyphAndCaption(in, U"Print", m);
  EXPECT_EQ(p.caption, U"...");
  EXPECT_EQ(p.text.width, 2);
}
