#pragma once
#include <array>
#include <string_view>

namespace lumivra {

// One painted button of the main window's toolbar.
struct ToolButtonSpec {
  std::string_view name;     // component name, e.g. "HomeBtn"
  int left;
  int top;
  std::string_view hint;     // kept, never shown: hints are off
  std::string_view artwork;  // glyph name for FindArtwork
};

// A vertical separator line of the toolbar.
struct ToolSeparatorSpec {
  std::string_view name;
  int left;
  int top;
  int width;
  int height;
};

inline constexpr int kToolButtonSize = 31;
inline constexpr int kToolPanelHeight = 48;
inline constexpr int kToolPanelBorderWidth = 6;

// The nine buttons in their order from left to right.
const std::array<ToolButtonSpec, 9>& ToolbarButtons();
const std::array<ToolSeparatorSpec, 3>& ToolbarSeparators();

// Up, disabled, down (being pressed), exclusive (stuck down in a group).
enum class ButtonState : int { Up = 0, Disabled = 1, Down = 2, Exclusive = 3 };

// The face a button shows; the skin engine draws these from the frames of
// its button bitmap.
enum class ButtonFace : int { Raised = 0, Hot = 1, Pressed = 2 };

// Where a glyph of the given size goes in a button of the given size, and
// which face to draw.
struct ButtonPaintPlan {
  ButtonFace face;
  int glyphX;
  int glyphY;
};
ButtonPaintPlan PlanButtonPaint(ButtonState state, bool hot, int width, int height,
                                int glyphWidth, int glyphHeight);

// The press / drag / release logic of a plain (ungrouped) push button.
class PushButtonTracker {
public:
  // Left press; returns true when the face changes.
  bool Press(bool enabled);
  // Mouse move to (x, y); returns true when the face changes.
  bool Move(int x, int y, int width, int height);
  // Release at (x, y); returns true when this release is a click.
  bool Release(int x, int y, int width, int height);

  ButtonState State() const { return state_; }
  bool Dragging() const { return dragging_; }

  // Inside for the mouse logic: the bottom edge row counts, the right edge
  // column does not.
  static bool Inside(int x, int y, int width, int height);

private:
  ButtonState state_ = ButtonState::Up;
  bool dragging_ = false;
};

}  // namespace lumivra
