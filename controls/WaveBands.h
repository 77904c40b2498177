#pragma once
#include <cstdint>
#include <vector>

#include "skin/LayoutRect.h"

namespace lumivra {

// A colour as 0x00BBGGRR: red in bits 0 to 7, green 8 to 15, blue 16 to 23.
using WaveColor = std::uint32_t;

enum class WaveDirection { LeftToRight, RightToLeft, TopToBottom, BottomToTop };

// One filled rectangle of a paint, inside the panel.
struct WaveFill {
  LayoutRect rect;
  WaveColor color = 0;
  friend bool operator==(const WaveFill&, const WaveFill&) = default;
};

// `color` one step toward `target`: each channel (blue, green, red) moves by
// `step` and lands on the target's value once it is closer than a step.
WaveColor StepToward(WaveColor color, WaveColor target, int step);

// The colour wave of a wave panel: a run of bands stepping from the base
// colour to the turning colour and back, moved along the panel one band per
// animation paint. Painting yields the rectangles to fill, in order.
class WaveBands {
public:
  WaveBands() { CountBands(); }

  WaveColor FromColor() const { return fromColor_; }
  void SetFromColor(WaveColor color);
  WaveColor ToColor() const { return toColor_; }
  void SetToColor(WaveColor color);
  int StepSize() const { return stepSize_; }
  // Both refuse a value of 0 or less (false) and keep the old one.
  bool SetStepSize(int size);
  int StepColor() const { return stepColor_; }
  bool SetStepColor(int step);
  WaveDirection Direction() const { return direction_; }
  // Keeps the wave where it is on a panel of `width` x `height`.
  void SetDirection(WaveDirection direction, int width, int height);

  int BandCount() const { return bandCount_; }
  int WaveOffset() const { return waveOffset_; }
  int DrawPos() const { return drawPos_; }

  // Counts the bands of one run: down to the turning colour and back.
  void CountBands();

  // One paint of a `width` x `height` panel. An ordinary paint fills the
  // whole panel and redraws the wave in place; an animation paint clears only
  // the band the wave has just left and then moves the wave on by one band.
  std::vector<WaveFill> Paint(bool animation, int width, int height);

private:
  WaveColor fromColor_ = 0x0000FF;  // red
  WaveColor toColor_ = 0x00FFFF;    // yellow
  int stepSize_ = 10;
  int stepColor_ = 15;
  WaveDirection direction_ = WaveDirection::LeftToRight;
  int bandCount_ = 0;
  int waveOffset_ = 0;
  int drawPos_ = 0;
};

}  // namespace lumivra
