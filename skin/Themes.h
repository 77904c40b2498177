#pragma once
#include <array>
#include <string_view>

namespace lumivra {

// A colour theme: the name the chooser shows, the prefix of its four bitmaps
// ("<prefix>wallpaper", "<prefix>border", "<prefix>smborder",
// "<prefix>buttons") and the menu's accent colour (0x00BBGGRR).
struct Theme {
  std::string_view name;
  std::string_view prefix;
  unsigned menuColor;
};

inline constexpr int kThemeCount = 4;

// Indexed by ThemeType: "Default", "Sky", "Rose", "Forest".
const std::array<Theme, kThemeCount>& Themes();

// The theme of `type`; nullptr outside 0 … 3.
const Theme* FindTheme(int type);

}  // namespace lumivra
