#pragma once
#include <array>
#include <string_view>

namespace lumivra {

// One painted button of the main window's toolbar.
struct ToolButton {
  std::string_view name;     // component name, e.g. "HomeBtn"
  int left;
  int top;
  std::string_view hint;     // kept, never shown: hints are off
  std::string_view artwork;  // glyph name for FindArtwork
};

// A vertical separator line of the toolbar.
struct ToolSeparator {
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
const std::array<ToolButton, 9>& ToolbarButtons();
const std::array<ToolSeparator, 3>& ToolbarSeparators();

}  // namespace lumivra
