#include "controls/Wallpaper.h"

#include "skin/Artwork.h"

namespace lumivra {

namespace {

std::function<QImage()>& Source() {
  static std::function<QImage()> source;
  return source;
}

}  // namespace

QImage BuiltInTexture() {
  static const QImage texture = ArtworkImage("texture").convertToFormat(QImage::Format_RGB32);
  return texture;
}

QImage CurrentWallpaper() {
  const QImage theme = Source() ? Source()() : QImage();
  return theme.isNull() ? BuiltInTexture() : theme;
}

void SetWallpaperSource(std::function<QImage()> source) { Source() = std::move(source); }

}  // namespace lumivra
