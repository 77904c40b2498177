#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <exception>
#include <functional>

#include "controls/MarkLayout.h"

class QMenuBar;
class QPainter;

namespace lumivra {

class TMark;
class TMarkSurface;

using TMarkNotify = std::function<void(TMark* sender)>;
// Called after each paint with the painter and the mark's rectangle, so the
// owner can draw more.
using TMarkEvent = std::function<void(TMark* sender, QPainter& canvas, const QRect& markRect)>;

// A short text (and optionally a small logo) drawn right-aligned at the right
// end of a window's menu bar, vertically centred in it; the window manager
// owns the title bar. Reacts to a double click on the mark.
class TMark : public QObject {
  Q_OBJECT
public:
  // `owner` must be a window, else std::invalid_argument "Mark must be added
  // to a Form". The mark takes the corner of the window's menu bar; a window
  // without one gets it in its top-right corner.
  explicit TMark(QObject* owner);
  ~TMark() override;

  QFont Font() const { return font_; }
  void SetFont(const QFont& font);
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& color);
  QImage Logo() const { return logo_; }
  void SetLogo(const QImage& logo);
  QString Mark() const { return mark_; }
  void SetMark(const QString& mark);
  QColor RColor() const { return rColor_; }
  void SetRColor(const QColor& color);
  bool Registered() const { return registered_; }
  void SetRegistered(bool registered);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  TMarkNotify OnDblClick;
  TMarkEvent OnMark;
  // Where a failure while painting or handling a double click goes; dropped
  // when empty.
  std::function<void(const QString& text)> ErrorReport;

  // The widget the mark is painted on, and the double-click area in its
  // coordinates as last painted.
  QWidget* Surface() const;
  QRect MarkRect() const;

protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  friend class TMarkSurface;

  void LayoutMark();
  void PaintMark(QPainter& painter);
  // False when the double click is not the mark's.
  bool DblClick(const QPoint& at);
  QSize SurfaceSize() const;
  void FitSurface();
  // Asks for one repaint of the mark; a request still pending covers it.
  void RequestPaint();
  void Changed(bool relayout);
  void Report(const std::exception& e) const;
  MarkMetrics Measure(int rightEdge) const;

  QWidget* window_;
  QPointer<QMenuBar> bar_;
  QPointer<QWidget> previousCorner_;
  QPointer<TMarkSurface> surface_;

  QFont font_;
  QColor fontColor_{0xFF, 0, 0};
  QImage logo_;
  QString mark_;
  QColor rColor_{Qt::white};
  bool registered_ = true;
  bool visible_ = true;

  MarkMetrics metrics_;
  MarkPlacement place_;
  QImage maskedLogo_;  // the logo without its transparent colour
  bool paintPending_ = false;
};

}  // namespace lumivra
