#include "skin/TepSchemeStore.h"

#include <QWidget>

#include "skin/TepScheme.h"

namespace lumivra {

namespace {

// A private copy in a format the painters copy from without conversion.
QImage PaintCopy(const QImage& image) {
  if (image.isNull()) return {};
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                       : QImage::Format_RGB32);
}

}  // namespace

TepSchemeStore::TepSchemeStore(QObject* owner) : QObject(owner) {}

const QImage& TepSchemeStore::Image(SkinImage which) const {
  return slots_[static_cast<std::size_t>(which)].image;
}

const QImage& TepSchemeStore::Twin(SkinImage which) const {
  return slots_[static_cast<std::size_t>(which)].twin;
}

SkinSize TepSchemeStore::Size(SkinImage which) const {
  const QImage& image = Image(which);
  return {image.width(), image.height()};
}

void TepSchemeStore::Set(SkinImage which, const QImage& image, const QImage& twin) {
  Slot& slot = slots_[static_cast<std::size_t>(which)];
  slot.image = PaintCopy(image);
  slot.twin = !image.isNull() && twin.size() == image.size() * 2 ? PaintCopy(twin) : QImage();
  // The owner's own area: its child windows repaint themselves.
  if (auto* owner = qobject_cast<QWidget*>(parent())) InvalidateOwner(owner);
}

}  // namespace lumivra
