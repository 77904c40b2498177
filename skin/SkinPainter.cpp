#include "skin/SkinPainter.h"

#include <QPainter>

#include "skin/TepSchemeStore.h"

namespace lumivra {

QImage WithoutColor(const QImage& image, QRgb key) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if (line[x] == key) line[x] = 0;
  }
  return out;
}

QRect ToQRect(const LayoutRect& r) { return QRect(r.x, r.y, r.width, r.height); }

bool DenseDevice(const QPainter& painter) { return painter.deviceTransform().m11() > 1.0; }

namespace {

class StepPainter {
public:
  StepPainter(QPainter& painter, const TepSchemeStore& store)
      : p_(painter), store_(store), hiDpi_(DenseDevice(painter)) {}

  // The bitmap and source rectangle to copy from: the twin on a dense device.
  std::pair<const QImage*, QRect> Source(const DrawStep& step) const {
    const QImage& twin = store_.Twin(step.image);
    const QRect source = ToQRect(step.source);
    if (hiDpi_ && !twin.isNull()) return {&twin, QRect(source.topLeft() * 2, source.size() * 2)};
    return {&store_.Image(step.image), source};
  }

  void Copy(const DrawStep& step) {
    const auto [image, source] = Source(step);
    if (image->isNull()) return;
    p_.drawImage(ToQRect(step.target), *image, source);
  }

  void CopyKeyed(const DrawStep& step) {
    const auto [image, source] = Source(step);
    if (image->isNull()) return;
    // The part outside the bitmap stays empty, and so transparent.
    QImage scratch(source.size(), QImage::Format_ARGB32);
    scratch.fill(0);
    {
      QPainter s(&scratch);
      s.setCompositionMode(QPainter::CompositionMode_Source);
      s.drawImage(QPoint(0, 0), *image, source);
    }
    p_.drawImage(ToQRect(step.target), WithoutColor(scratch, scratch.pixel(0, 0)));
  }

private:
  QPainter& p_;
  const TepSchemeStore& store_;
  const bool hiDpi_;
};

}  // namespace

void PaintSkinSteps(QPainter& painter, const TepSchemeStore& store, const DrawSteps& steps,
                    const QColor& fill, const QRect& exposed,
                    const std::function<void(const DrawStep&)>& text) {
  StepPainter out(painter, store);
  for (const DrawStep& step : steps) {
    const QRect target = ToQRect(step.target);
    const bool isText = step.kind == StepKind::Caption || step.kind == StepKind::SecondCaption;
    if (!isText && !exposed.isNull() && !exposed.intersects(target)) continue;
    switch (step.kind) {
      case StepKind::Fill: painter.fillRect(target, fill); break;
      case StepKind::Copy: out.Copy(step); break;
      case StepKind::CopyKeyed: out.CopyKeyed(step); break;
      case StepKind::Caption:
      case StepKind::SecondCaption:
        if (text) text(step);
        break;
    }
  }
}

}  // namespace lumivra
