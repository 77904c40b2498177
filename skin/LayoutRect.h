#pragma once

namespace lumivra {

// A rectangle of whole pixels: left, top, width and height. Right() and
// Bottom() are the first column and row past it.
struct LayoutRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int Right() const { return x + width; }
  int Bottom() const { return y + height; }
  bool Contains(int px, int py) const { return px >= x && px < Right() && py >= y && py < Bottom(); }
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

}  // namespace lumivra
