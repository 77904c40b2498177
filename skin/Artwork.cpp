#include "Artwork.h"

#include "PageResources.h"

QImage ArtworkImage(std::string_view name) {
  QImage image;
  if (const auto bytes = lumivra::FindArtwork(name)) {
    image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()), "PNG");
  }
  return image;
}

QPixmap ArtworkPixmap(std::string_view name) { return QPixmap::fromImage(ArtworkImage(name)); }
