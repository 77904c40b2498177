#pragma once
#include <vector>

#include "skin/ButtonMachine.h"
#include "skin/LayoutRect.h"

namespace lumivra {

struct SkinSize {
  int width = 0;
  int height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const SkinSize&, const SkinSize&) = default;
};

// The seven bitmaps of a scheme store.
enum class SkinImage : int {
  ActiveCaption,
  InactiveCaption,
  CaptionButtons,
  Border,
  SmBorder,
  SpeedButton,
  WallPaper,
};
inline constexpr int kSkinImageCount = 7;

enum class StepKind : int {
  Fill,           // fill `target` with the control's colour
  Copy,           // copy `source` of `image` to `target` (stretched when the sizes differ)
  CopyKeyed,      // the same, leaving out the colour of the source's top-left pixel
  Caption,        // the first caption line, its top-left corner at target.x, target.y
  SecondCaption,  // the second caption line, likewise
};

// One drawing operation of a skinned control; later steps cover earlier ones.
struct DrawStep {
  StepKind kind = StepKind::Fill;
  SkinImage image = SkinImage::WallPaper;
  LayoutRect source;
  LayoutRect target;
  friend bool operator==(const DrawStep&, const DrawStep&) = default;
};
using DrawSteps = std::vector<DrawStep>;

// --- Frame ----------------------------------------------------------------

enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class CaptionAction : int { Close, MaximizeToggle, MinimizeToggle };

// A caption button: its glyph rectangle in frame coordinates and its action.
struct CaptionButton {
  LayoutRect rect;
  CaptionAction action;
};

struct FrameInput {
  int width = 0;
  int height = 0;
  SkinSize wallpaper;
  bool showCaption = false;
  bool active = true;  // the application is active: ActiveCaption, else InactiveCaption
  SkinSize caption;    // the size of that caption bitmap
  unsigned borderIcons = 0;
  bool maximized = false;  // window state of the form owning the store
  bool minimized = false;
};

struct FramePlan {
  DrawSteps steps;
  std::vector<CaptionButton> buttons;  // in drawing order; empty without a caption bar
};

// The frame's wallpaper, 10-pixel border from `Border`, and either a plain
// top border or the caption bar with its buttons.
FramePlan PlanFrame(const FrameInput& input);

// The first button whose rectangle holds (x, y), edges included; nullptr
// when there is none.
const CaptionButton* HitCaptionButton(const std::vector<CaptionButton>& buttons, int x, int y);

// --- Panel ----------------------------------------------------------------

// The panel's wallpaper and its 6 x 5 border from `SmBorder`.
DrawSteps PlanPanel(int width, int height, SkinSize wallpaper);

// --- Button face ----------------------------------------------------------

// The edge a button draws without a skin.
enum class FallbackEdge : int { None, SunkenOuter, RaisedInner, PushButton, PushButtonPushed };

struct ButtonFacePlan {
  DrawSteps steps;  // frames of `SpeedButton`
  FallbackEdge edge = FallbackEdge::None;
  bool pattern = false;  // fill `paint` with the 8 x 8 pattern
  LayoutRect paint;        // where glyph and caption are laid out
};

// The face of a button of width x height in `state`. `faceSize` is the height
// of the store's `SpeedButton` (the side of its frames); `skinned` whether a
// scheme with a store is there.
ButtonFacePlan PlanButtonFace(ButtonState state, bool hot, bool flat, bool skinned, int width, int height,
                              int faceSize);

}  // namespace lumivra
