#include "TepSchemePanel.h"

#include <QPainter>

TepSchemePanel::TepSchemePanel(QWidget* parent) : QWidget(parent) {
  resize(100, 50);
  setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TepSchemePanel::SetColor(const QColor& color) {
  color_ = color;
  update();
}

void TepSchemePanel::SetBorderWidth(int width) {
  borderWidth_ = width < 0 ? 0 : width;
  update();
}

void TepSchemePanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width();
  const int h = height();
  p.fillRect(rect(), color_);
  if (borderWidth_ <= 0) return;
  // Outer raised bevel, a band of the face colour, then a fine inner groove.
  const QColor light = color_.lighter(135);
  const QColor dark = color_.darker(150);
  const QColor darker = color_.darker(220);
  p.setPen(light);
  p.drawLine(0, 0, w - 2, 0);
  p.drawLine(0, 0, 0, h - 2);
  p.setPen(darker);
  p.drawLine(0, h - 1, w - 1, h - 1);
  p.drawLine(w - 1, 0, w - 1, h - 1);
  p.setPen(dark);
  p.drawLine(1, h - 2, w - 2, h - 2);
  p.drawLine(w - 2, 1, w - 2, h - 2);
  if (borderWidth_ >= 4) {
    const int b = borderWidth_ - 2;
    p.setPen(dark);
    p.drawLine(b, b, w - 1 - b, b);
    p.drawLine(b, b, b, h - 1 - b);
    p.setPen(light);
    p.drawLine(b, h - 1 - b, w - 1 - b, h - 1 - b);
    p.drawLine(w - 1 - b, b, w - 1 - b, h - 1 - b);
  }
}
