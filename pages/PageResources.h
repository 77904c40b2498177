#pragma once
#include <optional>
#include <string_view>

namespace lumivra {

inline constexpr int kResourceTypePage = 23;       // pages and the style sheet
inline constexpr int kResourceTypePicture = 2110;  // pictures of the pages

struct PageResource {
  std::string_view name;  // upper case, e.g. "HOMEPAGE", "HLEFT_GIF"
  int type;
  std::string_view bytes;
};

// The built-in page, style sheet or picture named `name` (any letter case)
// among the resources of `type`; nullptr when there is none.
const PageResource* FindPageResource(std::string_view name, int type);

// The scripts installed on every page, as JavaScript source: "page_compat"
// (the older document facilities). nullopt for any other name.
std::optional<std::string_view> FindPageScript(std::string_view name);

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
