#pragma once

namespace lumivra {

// A rectangle of whole pixels: left, top, width and height.
struct LayoutRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int Right() const { return x + width; }
  int Bottom() const { return y + height; }
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

}  // namespace lumivra
