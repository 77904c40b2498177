#pragma once
#include <optional>
#include <string_view>

namespace lumivra {

// Pictures of the window itself, as PNG data: "tree0" … "tree2" (16 × 16),
// "tool_home", "tool_back", "tool_forward", "tool_search", "tool_info",
// "tool_goto", "tool_print", "tool_display", "tool_help" (toolbar glyphs),
// "menu0" … "menu12" (16 × 16), "texture" (64 × 64 dialog wallpaper),
// "logo" (46 × 45), "magnifier" (16 × 15); the theme bitmaps, prefix
// ("default_", "sky_", "rose_", "forest_") and role: "wallpaper" (64 × 64),
// "border" (80 × 10), "smborder" (48 × 5), "buttons" (94 × 31). The tree,
// toolbar and menu glyphs and the theme bitmaps also come at twice the size,
// their names ending in "@2x". As JPEG data: "splash_title" (332 × 114) and
// "splash_logo" (75 × 58), the splash screen's pictures. nullopt for any
// other name.
std::optional<std::string_view> FindArtwork(std::string_view name);

}  // namespace lumivra
