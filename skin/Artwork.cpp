#include "skin/Artwork.h"

#include <string>

#include "assets/ArtworkData.h"

namespace lumivra {

QImage ArtworkImage(std::string_view name) {
  QImage image;
  if (const auto bytes = FindArtwork(name)) {
    image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()), "PNG");
  }
  return image;
}

QPixmap ArtworkPixmap(std::string_view name) { return QPixmap::fromImage(ArtworkImage(name)); }

QIcon ArtworkIcon(std::string_view name) {
  QIcon icon(ArtworkPixmap(name));
  QPixmap twin = ArtworkPixmap(std::string(name) + "@2x");
  if (!twin.isNull()) {
    twin.setDevicePixelRatio(2);
    icon.addPixmap(twin);
  }
  return icon;
}

}  // namespace lumivra
