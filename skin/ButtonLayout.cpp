#include "ButtonLayout.h"

namespace lumivra {

const std::array<ToolButtonSpec, 9>& ToolbarButtons() {
  static const std::array<ToolButtonSpec, 9> buttons{{
      {"HomeBtn", 5, 8, "Home : Telvarin", "tool_home"},
      {"BackBtn", 37, 8, "Go Back", "tool_back"},
      {"ForwardBtn", 69, 8, "Go Forward", "tool_forward"},
      {"SearchBtn", 113, 8, "Search", "tool_search"},
      {"InfoBtn", 145, 8, "View Information", "tool_info"},
      {"GotoBtn", 177, 8, "Goto a specific chapter/verse", "tool_goto"},
      {"PrintBtn", 211, 8, "Print", "tool_print"},
      {"DisplayOptionBtn", 259, 8, "Toggle between arabic/transliteration", "tool_display"},
      {"HelpBtn", 307, 8, "Help", "tool_help"},
  }};
  return buttons;
}

const std::array<ToolSeparatorSpec, 3>& ToolbarSeparators() {
  static const std::array<ToolSeparatorSpec, 3> separators{{
      {"SepBevel1", 105, 10, 2, 24},
      {"SepBevel2", 249, 10, 2, 24},
      {"SepBevel3", 297, 10, 2, 24},
  }};
  return separators;
}

namespace {
int HalfDiff(int a, int b) { return a / 2 - b / 2; }
}  // namespace

ButtonPaintPlan PlanButtonPaint(ButtonState state, bool hot, int width, int height,
                                int glyphWidth, int glyphHeight) {
  ButtonPaintPlan plan{ButtonFace::Raised, 0, 0};
  bool shifted = false;
  if (state == ButtonState::Down) {
    plan.face = hot ? ButtonFace::Hot : ButtonFace::Pressed;
    shifted = true;
  } else if (hot && state != ButtonState::Disabled) {
    plan.face = ButtonFace::Hot;
    shifted = true;
  }
  // The paint rectangle starts at (-1, -1); a glyph without caption is
  // centred on it.
  plan.glyphX = -1 + HalfDiff(width, glyphWidth) + (shifted ? 1 : 0);
  plan.glyphY = -1 + HalfDiff(height, glyphHeight) + (shifted ? 1 : 0);
  return plan;
}

bool PushButtonTracker::Inside(int x, int y, int width, int height) {
  return x >= 0 && x < width && y >= 0 && y <= height;
}

bool PushButtonTracker::Press(bool enabled) {
  if (!enabled) return false;
  const bool changed = state_ != ButtonState::Down;
  state_ = ButtonState::Down;
  dragging_ = true;
  return changed;
}

bool PushButtonTracker::Move(int x, int y, int width, int height) {
  if (!dragging_) return false;
  const ButtonState next = Inside(x, y, width, height) ? ButtonState::Down : ButtonState::Up;
  const bool changed = next != state_;
  state_ = next;
  return changed;
}

bool PushButtonTracker::Release(int x, int y, int width, int height) {
  if (!dragging_) return false;
  dragging_ = false;
  state_ = ButtonState::Up;
  return Inside(x, y, width, height);
}

}  // namespace lumivra
