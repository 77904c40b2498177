#include "skin/ThemeArtwork.h"

#include <QImage>
#include <array>
#include <string>

#include "skin/Artwork.h"
#include "skin/TepSchemeStore.h"
#include "skin/Themes.h"

namespace lumivra {

namespace {

// A theme's bitmap and its twin, decoded once.
struct ThemeBitmap {
  QImage image;
  QImage twin;
};

const ThemeBitmap& Bitmap(const Theme& theme, int type, int role) {
  static const char* const kRoles[] = {"wallpaper", "border", "smborder", "buttons"};
  static std::array<std::array<ThemeBitmap, 4>, kThemeCount> cache;
  ThemeBitmap& bitmap = cache[static_cast<std::size_t>(type)][static_cast<std::size_t>(role)];
  if (bitmap.image.isNull()) {
    const std::string name = std::string(theme.prefix) + kRoles[role];
    bitmap = {ArtworkImage(name), ArtworkImage(name + "@2x")};
  }
  return bitmap;
}

}  // namespace

bool CopyThemeIntoStore(int type, TepSchemeStore& store) {
  const Theme* theme = FindTheme(type);
  if (theme == nullptr) return false;
  const auto& wallpaper = Bitmap(*theme, type, 0);
  store.SetWallPaper(wallpaper.image, wallpaper.twin);
  const auto& border = Bitmap(*theme, type, 1);
  store.SetBorder(border.image, border.twin);
  const auto& smBorder = Bitmap(*theme, type, 2);
  store.SetSmBorder(smBorder.image, smBorder.twin);
  const auto& buttons = Bitmap(*theme, type, 3);
  store.SetSpeedButton(buttons.image, buttons.twin);
  return true;
}

}  // namespace lumivra
