#include "controls/Wallpaper.h"

#include "assets/ArtworkData.h"

namespace lumivra {

namespace {

std::function<QImage()>& Source() {
  static std::function<QImage()> source;
  return source;
}

}  // namespace

QImage BuiltInTexture() {
  static const QImage texture = [] {
    QImage image;
    if (auto png = FindArtwork("texture"))
      image.loadFromData(reinterpret_cast<const uchar*>(png->data()), static_cast<int>(png->size()), "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
  }();
  return texture;
}

QImage CurrentWallpaper() {
  const QImage theme = Source() ? Source()() : QImage();
  return theme.isNull() ? BuiltInTexture() : theme;
}

void SetWallpaperSource(std::function<QImage()> source) { Source() = std::move(source); }

}  // namespace lumivra
