#include "controls/WavePanel.h"

#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

#include "controls/DialogFrame.h"
#include "skin/SkinPainter.h"

namespace lumivra {

namespace {

WaveColor ToWaveColor(const QColor& c) {
  return static_cast<WaveColor>(c.red() | c.green() << 8 | c.blue() << 16);
}

QColor ToQColor(WaveColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

TWavePanel::TWavePanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(400, 15);
}

void TWavePanel::SetActive(bool active) {
  if (active == Active()) return;
  if (active) {
    bands_.CountBands();
    timer_.start(TimerInterval, this);
  } else {
    timer_.stop();
  }
}

void TWavePanel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

QColor TWavePanel::FromColor() const { return ToQColor(bands_.FromColor()); }
void TWavePanel::SetFromColor(const QColor& color) { bands_.SetFromColor(ToWaveColor(color)); }
QColor TWavePanel::ToColor() const { return ToQColor(bands_.ToColor()); }
void TWavePanel::SetToColor(const QColor& color) { bands_.SetToColor(ToWaveColor(color)); }

void TWavePanel::SetStepSize(int size) {
  if (!bands_.SetStepSize(size)) Refuse();
}

void TWavePanel::SetStepColor(int step) {
  if (!bands_.SetStepColor(step)) Refuse();
}

void TWavePanel::Refuse() {
  const QString text = QStringLiteral("Value must be more than 0.");
  if (ErrorBox) {
    ErrorBox(text);
    return;
  }
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, this);
  UseFixedDialogFrame(box);
  box.exec();
}

void TWavePanel::SetDirection(TDirection direction) {
  bands_.SetDirection(static_cast<WaveDirection>(direction), width(), height());
}

void TWavePanel::SetAlignHorizontal(TAlignHor align) {
  if (align == alignHorizontal_) return;
  alignHorizontal_ = align;
  update();
}

void TWavePanel::SetAlignVertical(TAlignVer align) {
  if (align == alignVertical_) return;
  alignVertical_ = align;
  update();
}

void TWavePanel::Paint(bool animation) {
  if (picture_.size() != size()) picture_ = QImage(size(), QImage::Format_RGB32);
  if (picture_.isNull()) return;
  QPainter painter(&picture_);
  for (const auto& f : bands_.Paint(animation, width(), height()))
    painter.fillRect(ToQRect(f.rect), ToQColor(f.color));
  if (caption_.isEmpty()) return;
  const QFontMetrics metrics(font());
  const int textWidth = metrics.horizontalAdvance(caption_);
  const int textHeight = metrics.height();
  const int x = alignHorizontal_ == hrLeft ? 0
                : alignHorizontal_ == hrCenter ? (width() - textWidth) / 2
                                               : width() - textWidth;
  const int y = alignVertical_ == vrTop ? 0 : alignVertical_ == vrCenter ? (height() - textHeight) / 2
                                                                         : height() - textHeight;
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(x, y + metrics.ascent(), caption_);
}

void TWavePanel::paintEvent(QPaintEvent*) {
  // A tick has already drawn the new picture; any other paint redraws the
  // wave in place.
  if (!animated_ || picture_.size() != size()) Paint(false);
  animated_ = false;
  QPainter(this).drawImage(0, 0, picture_);
}

void TWavePanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  animated_ = false;
}

void TWavePanel::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timer_.timerId()) {
    QWidget::timerEvent(event);
    return;
  }
  if (picture_.size() != size()) Paint(false);  // nothing painted yet to move on from
  Paint(true);
  animated_ = true;
  update();
}

}  // namespace lumivra
