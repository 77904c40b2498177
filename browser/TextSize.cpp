#include "browser/TextSize.h"

#include <QChildEvent>
#include <QShortcut>
#include <QWebEnginePage>
#include <QWheelEvent>

#include "content/TextSizes.h"

namespace lumivra {

namespace {

// One notch of a mouse wheel.
constexpr int kWheelStep = 120;

}  // namespace

TTextSize::TTextSize(QWebEngineView* view) : QObject(view), view_(view) {
  auto key = [this, view](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, view, action);
    shortcut->setContext(Qt::WindowShortcut);
  };
  key(QKeySequence::ZoomIn, [this] { Step(1); });
  key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { Step(1); });
  key(QKeySequence::ZoomOut, [this] { Step(-1); });
  key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { SetPercent(kNormalTextSize); });
  // The engine zooms on Ctrl+wheel by itself, in steps of its own: the wheel
  // is taken from the widget that renders the page, which comes anew with
  // every renderer.
  view->installEventFilter(this);
  for (QObject* child : view->children()) Watch(child);
}

void TTextSize::SetPercent(int percent) {
  const int size = IsTextSize(percent) ? percent : kNormalTextSize;
  if (view_) view_->page()->setZoomFactor(size / 100.0);
  if (size == percent_) return;
  percent_ = size;
  emit Changed(size);
}

void TTextSize::Step(int steps) { SetPercent(StepTextSize(percent_, steps)); }

void TTextSize::Watch(QObject* child) {
  if (child->isWidgetType()) child->installEventFilter(this);
}

bool TTextSize::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ChildAdded && watched == view_) {
    Watch(static_cast<QChildEvent*>(event)->child());
  } else if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
    wheel_ += wheel->angleDelta().y();
    const int steps = wheel_ / kWheelStep;
    wheel_ -= steps * kWheelStep;
    if (steps != 0) Step(steps);
    wheel->accept();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lumivra
