#pragma once
#include <optional>
#include <string>

#include "skin/SkinLayout.h"

namespace lumivra {

// --- The glyph strip ------------------------------------------------------

// The image count of a strip of width x height set as a button's glyph: the
// quotient when the width is a multiple of the height (1 when it is not
// between 1 and 4), else `current` unchanged.
int NumGlyphsForStrip(int width, int height, int current);

// A value set as NumGlyphs: above 4 becomes 4, below 1 is ignored.
int ClampNumGlyphs(int value, int current);

// Which part of the strip shows `state`: the slice, or the whole strip
// embossed (disabled, and the strip has no image of its own for it).
struct GlyphSource {
  LayoutRect slice;
  bool embossed = false;
  friend bool operator==(const GlyphSource&, const GlyphSource&) = default;
};
std::optional<GlyphSource> GlyphSourceFor(ButtonState state, int numGlyphs, int stripWidth, int stripHeight);

// --- Glyph and caption ----------------------------------------------------

enum class TButtonLayout : int { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Text measuring, supplied by the painter.
class CaptionMetrics {
public:
  virtual ~CaptionMetrics() = default;
  // The width of one line as drawn.
  virtual int LineWidth(const std::u32string& line) const = 0;
  // The size of `text` (several lines, "&" marking accelerators) laid out
  // centred in a box `width` wide.
  virtual SkinSize TextSize(const std::u32string& text, int width) const = 0;
};

// The caption with each line too wide for `available` shortened to fit with
// "..." (down to "..." alone), lines joined with '\n', trailing white space
// removed, at most 255 characters.
std::u32string FitCaption(const std::u32string& caption, int available, const CaptionMetrics& metrics);

struct GlyphCaptionInput {
  LayoutRect client;            // the paint rectangle
  SkinSize glyph;             // one image of the strip; 0 x 0 without a glyph
  TButtonLayout layout = TButtonLayout::blGlyphLeft;
  int margin = -1;            // -1: centre glyph and caption together
  int spacing = 4;            // -1: centre the caption in the space left
};

struct GlyphCaptionPlacement {
  int glyphX = 0;
  int glyphY = 0;
  std::u32string caption;  // fitted
  LayoutRect text;           // the caption's rectangle; it is centred in it
};

GlyphCaptionPlacement PlaceGlyphAndCaption(const GlyphCaptionInput& input, const std::u32string& caption,
                                           const CaptionMetrics& metrics);

}  // namespace lumivra
