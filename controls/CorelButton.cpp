#include "controls/CorelButton.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/DialogFont.h"

namespace lumivra {

namespace {

// A line from (x0, y0) towards (x1, y1), the end point excluded; horizontal
// or vertical only.
void Line(QPainter& p, const QColor& c, int x0, int y0, int x1, int y1) {
  if (y0 == y1) {
    if (x1 > x0) p.fillRect(x0, y0, x1 - x0, 1, c);
    else if (x1 < x0) p.fillRect(x1 + 1, y0, x0 - x1, 1, c);
  } else if (x0 == x1) {
    if (y1 > y0) p.fillRect(x0, y0, 1, y1 - y0, c);
    else if (y1 < y0) p.fillRect(x0, y1 + 1, 1, y0 - y1, c);
  }
}

// The thin raised edge: `lt` left and top, `rb` right and bottom. `r` uses
// exclusive right and bottom coordinates.
void ThinEdge(QPainter& p, int left, int top, int right, int bottom, const QColor& lt, const QColor& rb) {
  Line(p, lt, left, bottom - 2, left, top);
  Line(p, lt, left, top, right - 1, top);
  Line(p, rb, right - 1, top, right - 1, bottom - 1);
  Line(p, rb, right - 1, bottom - 1, left - 1, bottom - 1);
}

void FocusDots(QPainter& p, const QColor& c, int left, int top, int right, int bottom) {
  if (right - left < 1 || bottom - top < 1) return;
  // Every other pixel along the outline, starting at the top-left corner.
  int n = 0;
  auto dot = [&](int x, int y) {
    if (n++ % 2 == 0) p.fillRect(x, y, 1, 1, c);
  };
  for (int x = left; x < right - 1; ++x) dot(x, top);
  for (int y = top; y < bottom - 1; ++y) dot(right - 1, y);
  for (int x = right - 1; x > left; --x) dot(x, bottom - 1);
  for (int y = bottom - 1; y > top; --y) dot(left, y);
}

}  // namespace

void PaintCorelButton(QPainter& p, const QRect& rect, const TCorelButtonLook& look, const QPalette& pal,
                      const QFont& font, const QString& caption) {
  const QColor face = pal.color(QPalette::Active, QPalette::Button);
  const QColor text = pal.color(QPalette::Active, QPalette::WindowText);
  const QColor light = pal.color(QPalette::Active, QPalette::Light);
  const QColor shadow = pal.color(QPalette::Active, QPalette::Dark);
  const QColor captionColor = pal.color(QPalette::Active, QPalette::ButtonText);

  int left = rect.left(), top = rect.top();
  int right = rect.left() + rect.width(), bottom = rect.top() + rect.height();

  if (look.activeDefault || look.focused) {
    p.fillRect(left, top, right - left, bottom - top, text);
    p.fillRect(left + 1, top + 1, right - left - 2, bottom - top - 2, face);
    ++left, ++top, --right, --bottom;
  }
  p.fillRect(left, top, right - left, bottom - top, face);
  if (look.hot) {
    Line(p, text, right - 1, top, right - 1, bottom - 1);
    Line(p, text, right - 1, bottom - 1, left - 1, bottom - 1);
    Line(p, light, left, bottom - 2, left, top);
    Line(p, light, left, top, right - 1, top);
    Line(p, shadow, right - 2, top + 1, right - 2, bottom - 2);
    Line(p, shadow, right - 2, bottom - 2, left, bottom - 2);
  } else {
    ThinEdge(p, left, top, right, bottom, light, shadow);
  }
  if (look.pressed) {
    p.fillRect(left, top, right - left, bottom - top, face);
    ThinEdge(p, left, top, right, bottom, shadow, light);
  }
  if (look.activeDefault && look.focused) FocusDots(p, text, left + 3, top + 3, right - 3, bottom - 3);
  if (look.pressed) ++left, ++top, ++right, ++bottom;

  p.setFont(font);
  p.setBackgroundMode(Qt::TransparentMode);
  const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
  const QRect r(left, top, right - left, bottom - top);
  if (!look.disabled) {
    p.setPen(captionColor);
    p.drawText(r, flags, caption);
  } else {
    p.setPen(light);
    p.drawText(r.translated(1, 1), flags, caption);
    p.setPen(shadow);
    p.drawText(r, flags, caption);
  }
}

TCorelButton::TCorelButton(QWidget* parent) : QPushButton(parent) { Init(); }

TCorelButton::TCorelButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) { Init(); }

void TCorelButton::Init() {
  setFont(BoldDialogFont());
  resize(75, 23);
  setAttribute(Qt::WA_Hover, false);
  // Focus moves between buttons decide which one is the active default.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    // A focused button is the active default; with the focus elsewhere in
    // the window the form's default button is.
    if (now && now->window() == window() && qobject_cast<QPushButton*>(now))
      DefaultChanged(now == this);
    else
      DefaultChanged(isDefault());
  });
}

void TCorelButton::DefaultChanged(bool isActiveDefault) {
  if (isActiveDefault == activeDefault_) return;
  activeDefault_ = isActiveDefault;
  repaint();
}

QSize TCorelButton::sizeHint() const { return QSize(75, 23); }
QSize TCorelButton::minimumSizeHint() const { return QSize(1, 1); }

void TCorelButton::paintEvent(QPaintEvent*) {
  const QRect screen(mapToGlobal(QPoint(0, 0)), size());
  hot_ = screen.contains(QCursor::pos());
  TCorelButtonLook look;
  look.hot = hot_;
  look.pressed = isDown();
  look.focused = hasFocus();
  look.activeDefault = activeDefault_;
  look.disabled = !isEnabled();
  QPainter painter(this);
  PaintCorelButton(painter, rect(), look, palette(), font(), text());
}

void TCorelButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  if (!hot_) repaint();
}

void TCorelButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  if (hot_) repaint();
}

void TCorelButton::keyPressEvent(QKeyEvent* event) {
  // Enter clicks the focused button, as it does the active default.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier &&
      !autoDefault()) {
    click();
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void TCorelButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // A second press, so two quick clicks give two clicks.
  mousePressEvent(event);
}

void TCorelButton::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) update();
}

}  // namespace lumivra
