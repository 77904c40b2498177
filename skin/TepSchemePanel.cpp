#include "skin/TepSchemePanel.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

#include "skin/SkinPainter.h"
#include "skin/TepScheme.h"

namespace lumivra {

TepSchemePanel::TepSchemePanel(QWidget* parent) : QWidget(parent) {
  resize(100, 50);
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  SetScheme(FindFormScheme(parent));
}

void TepSchemePanel::SetScheme(TepScheme* scheme) {
  LinkScheme(scheme_, scheme, this);
  if (const auto color = SchemeColor(StoreOf(scheme))) color_ = *color;
  update();
}

void TepSchemePanel::SetColor(const QColor& color) {
  color_ = color;
  update();
}

void TepSchemePanel::SetWallpaper(const QImage& wallpaper) {
  wallpaper_ = wallpaper.copy();
  update();
}

void TepSchemePanel::SetBorderWidth(int width) {
  borderWidth_ = width < 0 ? 0 : width;
  update();
}

void TepSchemePanel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

bool TepSchemePanel::event(QEvent* event) {
  if (event->type() == SchemeChangedEvent::kType) update();
  return QWidget::event(event);
}

void TepSchemePanel::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (const TepSchemeStore* store = StoreOf(scheme_)) {
    const auto wallpaper = store->Size(SkinImage::WallPaper);
    PaintSkinSteps(p, *store, PlanPanel(width(), height(), wallpaper), color_, event->rect());
    return;
  }
  // The standard look: a raised edge around the panel's colour.
  qDrawShadePanel(&p, rect(), palette(), false, 1, &palette().button());
  if (!caption_.isEmpty()) {
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(rect(), Qt::AlignCenter, caption_);
  }
}

}  // namespace lumivra
