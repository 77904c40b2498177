#include "Artwork.h"

#include "PageResources.h"

QPixmap ArtworkPixmap(std::string_view name) {
  QPixmap pixmap;
  if (const auto bytes = lumivra::FindArtwork(name)) {
    pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                        static_cast<uint>(bytes->size()), "PNG");
  }
  return pixmap;
}
