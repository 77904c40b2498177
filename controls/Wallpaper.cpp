#include "Wallpaper.h"

#include "PageResources.h"

namespace {

QImage& ThemeWallpaper() {
  static QImage image;
  return image;
}

}  // namespace

QImage BuiltInTexture() {
  static const QImage texture = [] {
    QImage image;
    if (auto png = lumivra::FindArtwork("texture"))
      image.loadFromData(reinterpret_cast<const uchar*>(png->data()), static_cast<int>(png->size()), "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
  }();
  return texture;
}

QImage CurrentWallpaper() {
  const QImage& theme = ThemeWallpaper();
  return theme.isNull() ? BuiltInTexture() : theme;
}

void SetCurrentWallpaper(const QImage& wallpaper) { ThemeWallpaper() = wallpaper.copy(); }
