#pragma once
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

}  // namespace lumivra
