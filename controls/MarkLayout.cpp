#include "controls/MarkLayout.h"

#include <algorithm>

namespace lumivra {

MarkPlacement PlaceMark(const MarkMetrics& m) {
  MarkPlacement p;
  const int top = m.barTop;
  int left = 0;
  if (m.textWidth > 0) {
    int total = m.textWidth;
    p.y = top + (m.barHeight - m.textHeight) / 2;
    if (m.registered) {
      p.y -= 2;
      total += m.registeredWidth;
    }
    p.y = std::max(p.y, top);
    p.x = m.rightEdge - total;
    left = p.x;
    if (m.logoWidth > 0) {
      p.logoLeft = p.x - 2 - m.logoWidth;
      left = p.x - m.logoWidth - 1;
    }
  } else {
    p.y = top + (m.barHeight - 13) / 2;
    p.x = m.rightEdge - 14;
    // A logo alone takes the emblem's place; the area is the logo's.
    p.logoLeft = m.rightEdge - m.logoWidth;
    left = m.logoWidth > 0 ? p.logoLeft : p.x;
  }
  p.area = {left, top + 1, m.rightEdge - left + 1, m.barHeight - 2};
  return p;
}

const std::array<const char*, kEmblemHeight> kMarkEmblem = {
    "...ggggggggg...",
    "..gsssssssssg..",
    ".gswwwwwwwwwsg.",
    "gswwrrwwwrrwwsg",
    "gswwrrrwrrrwwsg",
    "gswwrrrrrrrwwsg",
    "gswwrrwrwrrwwsg",
    "gswwrrwwwrrwwsg",
    "gswwrrwwwrrwwsg",
    "gswwrrwwwrrwwsg",
    ".gswwwwwwwwwsg.",
    "..gsssssssssg..",
    "...ggggggggg...",
    "...............",
};

}  // namespace lumivra
