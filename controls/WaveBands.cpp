#include "controls/WaveBands.h"

#include <algorithm>
#include <cstdlib>

namespace lumivra {

namespace {

constexpr WaveColor kRgb = 0xFFFFFF;

bool Horizontal(WaveDirection d) { return d == WaveDirection::LeftToRight || d == WaveDirection::RightToLeft; }

// The filled band between two coordinates along the direction of travel,
// cut to the panel; empty when nothing of it is inside.
LayoutRect Band(WaveDirection d, long long a, long long b, int width, int height) {
  const bool across = Horizontal(d);
  const long long extent = across ? width : height;
  const long long from = std::clamp<long long>(std::min(a, b), 0, extent);
  const long long to = std::clamp<long long>(std::max(a, b), 0, extent);
  const int start = static_cast<int>(from), length = static_cast<int>(to - from);
  return across ? LayoutRect{start, 0, length, height} : LayoutRect{0, start, width, length};
}

// A position moved one step in the direction of travel, wrapping at the
// panel's edges.
int Advance(WaveDirection d, int pos, int step, int width, int height) {
  switch (d) {
    case WaveDirection::LeftToRight: return pos + static_cast<long long>(step) >= width ? 0 : pos + step;
    case WaveDirection::RightToLeft: return pos - static_cast<long long>(step) <= 0 ? width : pos - step;
    case WaveDirection::TopToBottom: return pos + static_cast<long long>(step) >= height ? 0 : pos + step;
    case WaveDirection::BottomToTop: return pos - static_cast<long long>(step) <= 0 ? height : pos - step;
  }
  return pos;
}

// The band from `pos` one step in the direction of travel.
LayoutRect BandAt(WaveDirection d, int pos, int step, int width, int height) {
  const bool forward = d == WaveDirection::LeftToRight || d == WaveDirection::TopToBottom;
  return Band(d, pos, forward ? pos + static_cast<long long>(step) : pos - static_cast<long long>(step), width,
              height);
}

}  // namespace

WaveColor StepToward(WaveColor color, WaveColor target, int step) {
  WaveColor result = 0;
  for (int shift : {16, 8, 0}) {
    const long long t = (target >> shift) & 0xFF;
    long long c = (color >> shift) & 0xFF;
    if (c > t) c -= step;
    if (c < t) c += step;
    if (std::llabs(c - t) < step) c = t;
    result |= static_cast<WaveColor>(std::clamp(c, 0LL, 255LL)) << shift;
  }
  return result;
}

void WaveBands::SetFromColor(WaveColor color) {
  if ((color & kRgb) == fromColor_) return;
  fromColor_ = color & kRgb;
  CountBands();
}

void WaveBands::SetToColor(WaveColor color) {
  if ((color & kRgb) == toColor_) return;
  toColor_ = color & kRgb;
  CountBands();
}

bool WaveBands::SetStepSize(int size) {
  if (size <= 0) return false;
  stepSize_ = size;
  return true;
}

bool WaveBands::SetStepColor(int step) {
  if (step <= 0) return false;
  if (step != stepColor_) {
    stepColor_ = step;
    CountBands();
  }
  return true;
}

void WaveBands::SetDirection(WaveDirection direction, int width, int height) {
  if (direction == direction_) return;
  if (Horizontal(direction_) == Horizontal(direction)) {
    // The same axis: the run turns round where it ends.
    waveOffset_ = drawPos_;
    drawPos_ = (Horizontal(direction) ? width : height) - drawPos_;
  } else {
    const bool toFarEdge = direction == WaveDirection::RightToLeft || direction == WaveDirection::BottomToTop;
    drawPos_ = waveOffset_ = toFarEdge ? (Horizontal(direction) ? width : height) : 0;
  }
  direction_ = direction;
}

void WaveBands::CountBands() {
  // Every channel reaches its target within 256 / step steps, so this ends.
  int count = 0;
  for (WaveColor c = fromColor_; c != toColor_; c = StepToward(c, toColor_, stepColor_)) ++count;
  bandCount_ = 2 * count;
}

std::vector<WaveFill> WaveBands::Paint(bool animation, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  std::vector<WaveFill> fills;
  fills.reserve(static_cast<size_t>(bandCount_) + 1);
  auto fill = [&](const LayoutRect& r, WaveColor color) {
    if (r.width > 0 && r.height > 0) fills.push_back({r, color});
  };

  if (!animation) {
    fill({0, 0, width, height}, fromColor_);
  } else {
    // The band the wave has just left.
    const bool forward = direction_ == WaveDirection::LeftToRight || direction_ == WaveDirection::TopToBottom;
    const long long behind = std::llabs(forward ? waveOffset_ - static_cast<long long>(stepSize_)
                                                : waveOffset_ + static_cast<long long>(stepSize_));
    fill(Band(direction_, behind, waveOffset_, width, height), fromColor_);
  }

  WaveColor brush = fromColor_;
  WaveColor target = toColor_;
  drawPos_ = waveOffset_;
  for (int i = 0; i < bandCount_; ++i) {
    brush = StepToward(brush, target, stepColor_);
    if (brush == target) target = fromColor_;  // the gradient turns back
    fill(BandAt(direction_, drawPos_, stepSize_, width, height), brush);
    drawPos_ = Advance(direction_, drawPos_, stepSize_, width, height);
  }

  if (animation) waveOffset_ = Advance(direction_, waveOffset_, stepSize_, width, height);
  return fills;
}

}  // namespace lumivra
