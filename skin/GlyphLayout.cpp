#include "skin/GlyphLayout.h"

#include <algorithm>
#include <vector>

namespace lumivra {

int NumGlyphsForStrip(int width, int height, int current) {
  if (height <= 0 || width < 0 || width % height != 0) return current;
  const int count = width / height;
  // A zero-width strip counts as one image, never as none.
  return count >= 1 && count < 5 ? count : 1;
}

int ClampNumGlyphs(int value, int current) {
  if (value < 1) return current;
  return std::min(value, 4);
}

std::optional<GlyphSource> GlyphSourceFor(ButtonState state, int numGlyphs, int stripWidth, int stripHeight) {
  numGlyphs = std::clamp(numGlyphs, 1, 4);
  if (state == ButtonState::Down && numGlyphs < 3) state = ButtonState::Up;
  const int imageWidth = stripWidth / numGlyphs;
  if (imageWidth <= 0 || stripHeight <= 0) return std::nullopt;
  if (state == ButtonState::Disabled && numGlyphs < 2) return GlyphSource{{0, 0, stripWidth, stripHeight}, true};
  const int k = static_cast<int>(state) < numGlyphs ? static_cast<int>(state) : 0;
  return GlyphSource{{k * imageWidth, 0, imageWidth, stripHeight}, false};
}

namespace {

std::vector<std::u32string> SplitLines(const std::u32string& text) {
  std::vector<std::u32string> lines;
  std::u32string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'\r' || c == U'\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

// Halves before subtracting, both truncated toward zero.
int HalfDiff(int a, int b) { return a / 2 - b / 2; }

}  // namespace

std::u32string FitCaption(const std::u32string& caption, int available, const CaptionMetrics& metrics) {
  std::u32string out;
  bool first = true;
  for (const std::u32string& original : SplitLines(caption)) {
    std::u32string line = original;
    const int length = static_cast<int>(original.size());
    for (int i = 1; i < length && metrics.LineWidth(line) > available; ++i)
      line = original.substr(0, static_cast<std::size_t>(length - i - 1)) + U"...";
    if (!first) out += U'\n';
    out += line;
    first = false;
  }
  while (!out.empty() && out.back() <= U' ') out.pop_back();
  if (out.size() > 255) out.resize(255);
  return out;
}

GlyphCaptionPlacement PlaceGlyphAndCaption(const GlyphCaptionInput& in, const std::u32string& caption,
                                           const CaptionMetrics& metrics) {
  const int cw = in.client.width;
  const int ch = in.client.height;
  const int gw = in.glyph.width;
  const int gh = in.glyph.height;
  int margin = in.margin;
  int spacing = in.spacing;
  const bool horizontal =
      in.layout == TButtonLayout::blGlyphLeft || in.layout == TButtonLayout::blGlyphRight;

  // 1. The room for the text.
  int available = horizontal ? cw - gw - 2 : cw - 2;
  int vertical = horizontal ? ch - 2 : ch - gh - 2;
  int& reduced = horizontal ? available : vertical;
  if (margin != -1) reduced -= margin;
  if (spacing != -1) reduced -= spacing;
  available = std::max(available, 0);
  vertical = std::max(vertical, 0);

  // 2. The text and its size.
  GlyphCaptionPlacement out;
  out.caption = FitCaption(caption, available, metrics);
  int tw = 0;
  int th = 0;
  if (!out.caption.empty()) {
    const SkinSize size = metrics.TextSize(out.caption, available);
    tw = std::min(size.width, available);
    th = std::min(size.height, vertical);
  }

  // 3. Across the main axis: centred.
  int glyphX = 0, glyphY = 0, textX = 0, textY = 0;
  if (horizontal) {
    glyphY = HalfDiff(ch, gh);
    textY = HalfDiff(ch, th);
  } else {
    glyphX = HalfDiff(cw, gw);
    textX = HalfDiff(cw, tw);
  }

  // 4, 5. Along it: margin and spacing.
  if (tw == 0 || gw == 0) spacing = 0;
  const int c = horizontal ? cw : ch;
  const int g = horizontal ? gw : gh;
  const int t = horizontal ? tw : th;
  if (margin == -1 && spacing == -1) {
    margin = spacing = (c - (g + t)) / 3;
  } else if (margin == -1) {
    margin = HalfDiff(c, g + spacing + t);
  } else if (spacing == -1) {
    spacing = HalfDiff(c - margin - g, t);
  }

  // 6. Placement.
  switch (in.layout) {
    case TButtonLayout::blGlyphLeft:
      glyphX = margin;
      textX = margin + gw + spacing;
      break;
    case TButtonLayout::blGlyphRight:
      glyphX = cw - margin - gw;
      textX = glyphX - spacing - tw;
      break;
    case TButtonLayout::blGlyphTop:
      glyphY = margin;
      textY = margin + gh + spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      glyphY = ch - margin - gh;
      textY = glyphY - spacing - th;
      break;
  }

  // 7. Into the paint rectangle.
  out.glyphX = in.client.x + glyphX;
  out.glyphY = in.client.y + glyphY;
  out.text = {in.client.x + textX, in.client.y + textY, tw, th};
  return out;
}

}  // namespace lumivra
