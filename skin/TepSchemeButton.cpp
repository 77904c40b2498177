#include "TepSchemeButton.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "Artwork.h"

using lumivra::ButtonFace;
using lumivra::ButtonState;

TepSchemeButton::TepSchemeButton(QWidget* parent) : QWidget(parent) {
  setFixedSize(lumivra::kToolButtonSize, lumivra::kToolButtonSize);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setAttribute(Qt::WA_Hover, true);
  setFocusPolicy(Qt::NoFocus);
}

void TepSchemeButton::SetGlyphArtwork(std::string_view name) {
  SetGlyph(ArtworkPixmap(name));
}

void TepSchemeButton::SetGlyph(const QPixmap& glyph) {
  glyph_ = glyph;
  update();
}

void TepSchemeButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  const ButtonState state = isEnabled() ? tracker_.State() : ButtonState::Disabled;
  const auto plan = lumivra::PlanButtonPaint(state, hot_, width(), height(),
                                             glyph_.width(), glyph_.height());
  const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient fill(0, 0, 0, height());
  QColor rim;
  switch (plan.face) {
    case ButtonFace::Raised:
      fill.setColorAt(0, QColor(246, 246, 246));
      fill.setColorAt(1, QColor(214, 214, 214));
      rim = QColor(150, 150, 150);
      break;
    case ButtonFace::Hot:
      fill.setColorAt(0, QColor(255, 255, 255));
      fill.setColorAt(1, QColor(222, 232, 240));
      rim = QColor(120, 146, 170);
      break;
    case ButtonFace::Pressed:
      fill.setColorAt(0, QColor(186, 190, 196));
      fill.setColorAt(1, QColor(214, 216, 220));
      rim = QColor(110, 116, 124);
      break;
  }
  p.setPen(rim);
  p.setBrush(fill);
  p.drawRoundedRect(face, 3, 3);
  // Inner light and dark lines make the face read as raised or sunken.
  const bool sunken = plan.face == ButtonFace::Pressed;
  p.setBrush(Qt::NoBrush);
  p.setPen(QColor(255, 255, 255, sunken ? 60 : 200));
  p.drawLine(QPointF(3, 1.5), QPointF(width() - 3, 1.5));
  p.setPen(QColor(0, 0, 0, sunken ? 50 : 25));
  p.drawLine(QPointF(3, height() - 1.5), QPointF(width() - 3, height() - 1.5));
  p.setRenderHint(QPainter::Antialiasing, false);
  if (!glyph_.isNull()) {
    if (state == ButtonState::Disabled) p.setOpacity(0.4);
    p.drawPixmap(plan.glyphX, plan.glyphY, glyph_);
  }
}

void TepSchemeButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (tracker_.Press(isEnabled())) repaint();
}

void TepSchemeButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (tracker_.Move(pos.x(), pos.y(), width(), height())) repaint();
}

void TepSchemeButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  const bool click = tracker_.Release(pos.x(), pos.y(), width(), height());
  hot_ = rect().contains(pos) && isEnabled();
  repaint();
  if (click) emit clicked();
}

void TepSchemeButton::enterEvent(QEnterEvent*) {
  if (!isEnabled()) return;
  hot_ = true;
  repaint();
}

void TepSchemeButton::leaveEvent(QEvent*) {
  if (tracker_.Dragging()) return;
  hot_ = false;
  update();
}

void TepSchemeButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    if (!isEnabled()) hot_ = false;
    repaint();
  }
  QWidget::changeEvent(event);
}
