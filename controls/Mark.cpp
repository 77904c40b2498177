#include "controls/Mark.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <stdexcept>

#include "skin/SkinPainter.h"

namespace lumivra {

namespace {

constexpr int kRightMargin = 6;  // between the mark and the bar's right end
constexpr int kLeftMargin = 8;   // between the menu titles and the mark

const QEvent::Type kPaintMarkEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

QWidget* RequireWindow(QObject* owner) {
  auto* window = qobject_cast<QWidget*>(owner);
  if (window == nullptr || !window->isWindow()) throw std::invalid_argument("Mark must be added to a Form");
  return window;
}

QColor EmblemColor(char c) {
  switch (c) {
    case 'g': return QColor(0x80, 0x80, 0x80);
    case 's': return QColor(0xC0, 0xC0, 0xC0);
    case 'w': return QColor(Qt::white);
    case 'r': return QColor(Qt::red);
    default: return QColor();
  }
}

}  // namespace

// The widget the mark is painted on: the corner widget of the menu bar.
class TMarkSurface : public QWidget {
public:
  TMarkSurface(TMark* mark, QWidget* parent) : QWidget(parent), mark_(mark) {}
  QSize sizeHint() const override { return mark_->SurfaceSize(); }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    mark_->PaintMark(painter);
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (!mark_->DblClick(event->position().toPoint())) event->ignore();
  }
  void resizeEvent(QResizeEvent*) override { mark_->FitSurface(); }
  void moveEvent(QMoveEvent*) override { mark_->FitSurface(); }

private:
  TMark* mark_;
};

TMark::TMark(QObject* owner) : QObject(RequireWindow(owner)), window_(static_cast<QWidget*>(owner)) {
  font_ = QFont(QStringLiteral("Arial"), 10);
  if (auto* main = qobject_cast<QMainWindow*>(window_))
    bar_ = main->menuBar();
  else
    bar_ = window_->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
  if (bar_) {
    previousCorner_ = bar_->cornerWidget(Qt::TopRightCorner);
    surface_ = new TMarkSurface(this, bar_);
    bar_->setCornerWidget(surface_, Qt::TopRightCorner);
  } else {
    surface_ = new TMarkSurface(this, window_);
    window_->installEventFilter(this);
  }
  surface_->show();
  FitSurface();
}

TMark::~TMark() {
  if (bar_ && bar_->cornerWidget(Qt::TopRightCorner) == surface_)
    bar_->setCornerWidget(previousCorner_, Qt::TopRightCorner);
  delete surface_;
}

QWidget* TMark::Surface() const { return surface_; }

QRect TMark::MarkRect() const { return ToQRect(place_.area); }

MarkMetrics TMark::Measure(int rightEdge) const {
  MarkMetrics m;
  if (bar_) {
    m.barTop = -surface_->y();
    m.barHeight = bar_->height();
  } else {
    m.barHeight = surface_->height();
  }
  m.rightEdge = rightEdge;
  const QFontMetrics metrics(font_);
  if (!mark_.isEmpty()) {
    m.textWidth = std::max(1, metrics.horizontalAdvance(mark_));
    m.textHeight = metrics.height();
  }
  m.registered = registered_;
  m.registeredWidth = metrics.horizontalAdvance(QStringLiteral("\u00AE"));
  m.logoWidth = logo_.width();
  return m;
}

QSize TMark::SurfaceSize() const {
  // Laid out against a right edge at 0, the mark reaches as far left as this.
  const MarkMetrics m = Measure(0);
  const MarkPlacement p = PlaceMark(m);
  const int left = std::min(p.area.x, logo_.isNull() ? 0 : p.logoLeft);
  const int height = std::max({m.textHeight, logo_.height(), kEmblemHeight}) + 2;
  return QSize(kLeftMargin - left + kRightMargin, height);
}

void TMark::FitSurface() {
  if (!surface_) return;
  // The surface spans the bar's height, so the mark is centred in the bar.
  if (bar_) {
    const QRect fill(surface_->x(), 0, surface_->width(), bar_->height());
    if (surface_->geometry() != fill) surface_->setGeometry(fill);
  } else {
    const QSize size = SurfaceSize();
    const QRect corner(window_->width() - size.width(), 0, size.width(), size.height());
    if (surface_->geometry() != corner) surface_->setGeometry(corner);
  }
  LayoutMark();
}

void TMark::LayoutMark() {
  if (!visible_ || !surface_) return;
  metrics_ = Measure(surface_->width() - kRightMargin);
  place_ = PlaceMark(metrics_);
}

bool TMark::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Resize) FitSurface();
  return QObject::eventFilter(watched, event);
}

void TMark::Changed(bool relayout) {
  if (relayout && surface_) {
    surface_->setVisible(visible_);
    surface_->updateGeometry();
    // The bar places its corner widget again at its new size.
    if (bar_ && bar_->cornerWidget(Qt::TopRightCorner) == surface_)
      bar_->setCornerWidget(surface_, Qt::TopRightCorner);
    FitSurface();
  }
  RequestPaint();
}

void TMark::RequestPaint() {
  if (!visible_ || paintPending_) return;
  paintPending_ = true;
  QCoreApplication::postEvent(this, new QEvent(kPaintMarkEvent));
}

bool TMark::event(QEvent* event) {
  if (event->type() != kPaintMarkEvent) return QObject::event(event);
  if (surface_ && visible_) surface_->repaint();
  paintPending_ = false;
  return true;
}

void TMark::PaintMark(QPainter& painter) {
  if (!visible_) return;
  try {
    const int top = metrics_.barTop;
    if (!mark_.isEmpty()) {
      const QFontMetrics metrics(font_);
      painter.setFont(font_);
      // A grey shadow keeps light letters legible on the light menu bar.
      painter.setPen(QColor(0x80, 0x80, 0x80));
      painter.drawText(place_.x + 1, place_.y + 1 + metrics.ascent(), mark_);
      painter.setPen(fontColor_);
      painter.drawText(place_.x, place_.y + metrics.ascent(), mark_);
      if (registered_) {
        painter.setPen(rColor_);
        painter.drawText(place_.x + metrics_.textWidth + 2, place_.y + 4 + metrics.ascent(), QStringLiteral("\u00AE"));
      }
      if (!maskedLogo_.isNull()) painter.drawImage(place_.logoLeft, top + 1, maskedLogo_);
    } else if (maskedLogo_.isNull()) {
      for (int row = 0; row < kEmblemHeight; ++row)
        for (int col = 0; col < kEmblemWidth; ++col) {
          const QColor c = EmblemColor(kMarkEmblem[static_cast<size_t>(row)][col]);
          if (c.isValid()) painter.fillRect(place_.x + col, place_.y + row, 1, 1, c);
        }
    } else {
      painter.drawImage(place_.logoLeft, top + 1, maskedLogo_);
    }
    if (OnMark) OnMark(this, painter, MarkRect());
  } catch (const std::exception& e) {
    Report(e);
  }
}

void TMark::Report(const std::exception& e) const {
  if (ErrorReport) ErrorReport(QString::fromLocal8Bit(e.what()));
}

bool TMark::DblClick(const QPoint& at) {
  if (!visible_ || !OnDblClick || !place_.area.Contains(at.x(), at.y())) return false;
  try {
    OnDblClick(this);
  } catch (const std::exception& e) {
    Report(e);
  }
  return true;
}

void TMark::SetFont(const QFont& font) {
  font_ = font;
  Changed(true);
}

void TMark::SetFontColor(const QColor& color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  Changed(false);
}

void TMark::SetLogo(const QImage& logo) {
  logo_ = logo.copy();
  maskedLogo_ = QImage();
  if (!logo_.isNull()) {
    // The bottom-left pixel's colour is transparent.
    const QImage argb = logo_.convertToFormat(QImage::Format_ARGB32);
    maskedLogo_ = WithoutColor(argb, argb.pixel(0, argb.height() - 1));
  }
  Changed(true);
}

void TMark::SetMark(const QString& mark) {
  if (mark == mark_) return;
  mark_ = mark;
  Changed(true);
}

void TMark::SetRColor(const QColor& color) {
  if (color == rColor_) return;
  rColor_ = color;
  Changed(false);
}

void TMark::SetRegistered(bool registered) {
  if (registered == registered_) return;
  registered_ = registered;
  Changed(true);
}

void TMark::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(true);
}

}  // namespace lumivra
