#include "skin/Themes.h"

namespace lumivra {

const std::array<Theme, kThemeCount>& Themes() {
  static const std::array<Theme, kThemeCount> themes{{
      {"Default", "default_", 0xFFFFFF},
      {"Sky", "sky_", 0x808000},
      {"Rose", "rose_", 0x000080},
      {"Forest", "forest_", 0x008000},
  }};
  return themes;
}

const Theme* FindTheme(int type) {
  if (type < 0 || type >= kThemeCount) return nullptr;
  return &Themes()[static_cast<std::size_t>(type)];
}

}  // namespace lumivra
