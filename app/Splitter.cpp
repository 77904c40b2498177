#include "app/Splitter.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumivra {

TSplitter::TSplitter(QWidget* parent) : QWidget(parent) {
  setFixedWidth(7);
  setCursor(Qt::SplitHCursor);
}

bool TSplitter::ProposeSize(int newSize) {
  if (control_ == nullptr || !isEnabled()) return false;
  bool accept = true;
  emit canResize(newSize, accept);
  if (!accept) return false;
  if (control_->width() != newSize) {
    control_->setFixedWidth(newSize);
    emit moved();
  }
  return true;
}

void TSplitter::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor face = palette().color(QPalette::Window);
  p.fillRect(rect(), face);
  const int h = height();
  const int w = width();
  p.setPen(face.lighter(140));
  p.drawLine(0, 0, 0, h - 1);
  p.drawLine(0, 0, w - 1, 0);
  p.setPen(face.darker(160));
  p.drawLine(w - 1, 0, w - 1, h - 1);
  p.drawLine(0, h - 1, w - 1, h - 1);
}

void TSplitter::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || control_ == nullptr || !isEnabled()) return;
  dragging_ = true;
  dragStartX_ = qRound(event->globalPosition().x());
  dragStartSize_ = control_->width();
}

void TSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  ProposeSize(dragStartSize_ + qRound(event->globalPosition().x()) - dragStartX_);
}

void TSplitter::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  ProposeSize(dragStartSize_ + qRound(event->globalPosition().x()) - dragStartX_);
  dragging_ = false;
}

}  // namespace lumivra
