#include "skin/SkinLayout.h"

namespace lumivra {

namespace {

// Where the eight tiles of a border bitmap sit, by slice number.
struct BorderSlices {
  int bottomLeft, bottom, bottomRight, left, right, topLeft, top, topRight;
};
constexpr BorderSlices kFrameSlices{0, 1, 2, 4, 3, 5, 6, 7};
constexpr BorderSlices kPanelSlices{0, 1, 2, 6, 7, 3, 4, 5};

constexpr int kCaptionLeft = 90;    // left end of a caption bitmap
constexpr int kCaptionRight = 110;  // right end
constexpr int kCaptionButtonWidth = 15;
constexpr int kCaptionButtonHeight = 16;
constexpr int kCaptionButtonTop = 8;

DrawStep Copy(SkinImage image, LayoutRect source, LayoutRect target) {
  return {StepKind::Copy, image, source, target};
}

// The wallpaper tiled over width x height, columns outer, rows inner; the last
// column and row may overhang. Without a wallpaper, `fill` is filled instead.
void AddBackground(DrawSteps& steps, int width, int height, SkinSize wallpaper, LayoutRect fill) {
  if (wallpaper.Empty()) {
    steps.push_back({StepKind::Fill, SkinImage::WallPaper, {}, fill});
    return;
  }
  const LayoutRect source{0, 0, wallpaper.width, wallpaper.height};
  for (int i = 0; i <= width / wallpaper.width; ++i)
    for (int j = 0; j <= height / wallpaper.height; ++j)
      steps.push_back(Copy(SkinImage::WallPaper, source,
                           {i * wallpaper.width, j * wallpaper.height, wallpaper.width, wallpaper.height}));
}

class BorderTiler {
public:
  BorderTiler(DrawSteps& steps, SkinImage image, int tileWidth, int tileHeight)
      : steps_(steps), image_(image), w_(tileWidth), h_(tileHeight) {}

  void Tile(int slice, int x, int y) {
    steps_.push_back(Copy(image_, {slice * w_, 0, w_, h_}, {x, y, w_, h_}));
  }

  // Bottom edge, left and right edges, bottom corners: the part every
  // border shares.
  void SidesAndBottom(const BorderSlices& s, int width, int height) {
    for (int i = 1; i <= width / w_; ++i) Tile(s.bottom, w_ * i, height - h_);
    for (int i = 1; i <= height / h_; ++i) Tile(s.left, 0, h_ * i);
    for (int i = 1; i <= height / h_; ++i) Tile(s.right, width - w_, h_ * i);
    Tile(s.bottomLeft, 0, height - h_);
    Tile(s.bottomRight, width - w_, height - h_);
  }

  void Top(const BorderSlices& s, int width) {
    for (int i = 1; i <= width / w_; ++i) Tile(s.top, w_ * i, 0);
    Tile(s.topLeft, 0, 0);
    Tile(s.topRight, width - w_, 0);
  }

private:
  DrawSteps& steps_;
  SkinImage image_;
  int w_;
  int h_;
};

void AddCaptionBar(DrawSteps& steps, const FrameInput& in) {
  const SkinImage image = in.active ? SkinImage::ActiveCaption : SkinImage::InactiveCaption;
  const int cw = in.caption.width;
  const int ch = in.caption.height;
  // An empty caption bitmap copies nothing; its texts are still drawn.
  if (!in.caption.Empty()) {
    steps.push_back(Copy(image, {0, 0, kCaptionLeft, ch}, {0, 0, kCaptionLeft, ch}));
    const int middle = cw - kCaptionLeft - kCaptionRight;
    if (middle > 0) {
      for (int k = 0; k <= in.width / cw + 1; ++k)
        steps.push_back(Copy(image, {kCaptionLeft, 0, middle, ch}, {kCaptionLeft + k * cw, 0, cw, ch}));
    }
  }
  steps.push_back({StepKind::Caption, image, {}, {100, 7, 0, 0}});
  steps.push_back({StepKind::SecondCaption, image, {}, {100, 27, 0, 0}});
  if (!in.caption.Empty())
    steps.push_back(Copy(image, {cw - kCaptionRight, 0, kCaptionRight, ch},
                         {in.width - kCaptionRight, 0, kCaptionRight, ch}));
}

void AddCaptionButtons(FramePlan& plan, const FrameInput& in) {
  enum { kCloseGlyph = 0, kMinimizeGlyph = 15, kRestoreGlyph = 30, kMaximizeGlyph = 45 };
  int x = in.width - 8;
  auto add = [&](CaptionAction action, int glyph) {
    const LayoutRect rect{x - kCaptionButtonWidth, kCaptionButtonTop, kCaptionButtonWidth, kCaptionButtonHeight};
    plan.buttons.push_back({rect, action});
    plan.steps.push_back({StepKind::CopyKeyed, SkinImage::CaptionButtons,
                          {glyph, 0, kCaptionButtonWidth, kCaptionButtonHeight}, rect});
    x -= kCaptionButtonWidth;
  };
  if (in.borderIcons & biSystemMenu) add(CaptionAction::Close, kCloseGlyph);
  if (in.borderIcons & biMaximize)
    add(CaptionAction::MaximizeToggle, in.maximized ? kRestoreGlyph : kMaximizeGlyph);
  if (in.borderIcons & biMinimize)
    add(CaptionAction::MinimizeToggle, in.minimized ? kRestoreGlyph : kMinimizeGlyph);
}

}  // namespace

FramePlan PlanFrame(const FrameInput& in) {
  FramePlan plan;
  AddBackground(plan.steps, in.width, in.height, in.wallpaper, {0, 0, in.width, in.height});
  BorderTiler border(plan.steps, SkinImage::Border, 10, 10);
  border.SidesAndBottom(kFrameSlices, in.width, in.height);
  if (!in.showCaption) {
    border.Top(kFrameSlices, in.width);
    return plan;
  }
  AddCaptionBar(plan.steps, in);
  AddCaptionButtons(plan, in);
  return plan;
}

const CaptionButton* HitCaptionButton(const std::vector<CaptionButton>& buttons, int x, int y) {
  for (const auto& button : buttons) {
    const LayoutRect& r = button.rect;
    if (x >= r.x && x <= r.Right() && y >= r.y && y <= r.Bottom()) return &button;
  }
  return nullptr;
}

DrawSteps PlanPanel(int width, int height, SkinSize wallpaper) {
  DrawSteps steps;
  AddBackground(steps, width, height, wallpaper, {-1, -1, width + 2, height + 2});
  BorderTiler border(steps, SkinImage::SmBorder, 6, 5);
  border.SidesAndBottom(kPanelSlices, width, height);
  border.Top(kPanelSlices, width);
  return steps;
}

ButtonFacePlan PlanButtonFace(ButtonState state, bool hot, bool flat, bool skinned, int width, int height,
                              int faceSize) {
  ButtonFacePlan plan;
  plan.paint = {0, 0, width, height};
  // A disabled button never looks hot.
  hot = hot && state != ButtonState::Disabled;
  const bool pressed = state == ButtonState::Down || state == ButtonState::Exclusive;
  if (skinned) {
    auto frame = [&](int k) {
      plan.steps.push_back(Copy(SkinImage::SpeedButton, {k * faceSize, 0, faceSize, faceSize},
                                {0, 0, faceSize, faceSize}));
    };
    bool shifted = true;
    if (state == ButtonState::Down) {
      frame(hot ? 1 : 2);
    } else {
      frame(0);
      if (hot) frame(1);
      shifted = hot;
    }
    const int offset = shifted ? 0 : -1;
    plan.paint = {offset, offset, width, height};
    return plan;
  }
  int inset = 2;
  if (flat) {
    inset = 1;
    plan.edge = pressed ? FallbackEdge::SunkenOuter : hot ? FallbackEdge::RaisedInner : FallbackEdge::None;
  } else {
    plan.edge = pressed ? FallbackEdge::PushButtonPushed : FallbackEdge::PushButton;
  }
  plan.paint = {inset, inset, width - 2 * inset, height - 2 * inset};
  plan.pattern = state == ButtonState::Exclusive && !(flat && hot);
  return plan;
}

}  // namespace lumivra
