#pragma once
#include <array>

#include "skin/LayoutRect.h"

namespace lumivra {

// What places a mark: the bar it is centred in, where it must end, and the
// measured text.
struct MarkMetrics {
  int barTop = 0;
  int barHeight = 0;
  int rightEdge = 0;
  int textWidth = 0;   // 0 without text: the emblem (or the logo) stands alone
  int textHeight = 0;
  bool registered = false;
  int registeredWidth = 0;  // of the "®" sign
  int logoWidth = 0;        // 0 without a logo
};

struct MarkPlacement {
  int x = 0;  // the text, or the emblem
  int y = 0;
  // The double-click area, the logo's place included; its right column is
  // the right edge of the mark.
  LayoutRect area;
  int logoLeft = 0;
};

inline constexpr int kEmblemWidth = 15;
inline constexpr int kEmblemHeight = 14;

// Right-aligned at `rightEdge`, centred in the bar: text (with its "®" two
// pixels higher), the logo two pixels left of it; without text the logo, or
// the built-in emblem, ends at the right edge.
MarkPlacement PlaceMark(const MarkMetrics& m);

// The built-in emblem, row by row: 'g' grey, 's' silver, 'w' white, 'r' red,
// '.' left as it is.
extern const std::array<const char*, kEmblemHeight> kMarkEmblem;

}  // namespace lumivra
