#include "browser/RendererRestart.h"

#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <algorithm>

namespace lumivra {

namespace {

// A renderer that lives this long after its start ended by chance.
constexpr qint64 kSteadyMs = 10000;
constexpr int kLongestPauseMs = 30000;

}  // namespace

TRendererRestart::TRendererRestart(QWebEngineView* view, std::function<void()> rebuild)
    : QObject(view), view_(view), rebuild_(std::move(rebuild)) {
  connect(view->page(), &QWebEnginePage::renderProcessTerminated, this,
          &TRendererRestart::RenderProcessTerminated);
  // Whatever brings the view a live renderer again ends the restart.
  connect(view->page(), &QWebEnginePage::loadFinished, this, [this] {
    if (!restarting_ || view_->page()->renderProcessPid() == 0) return;
    restarting_ = false;
    if (rebuild_) rebuild_();
  });
}

void TRendererRestart::RenderProcessTerminated() {
  ++ends_;
  restarting_ = true;
  const bool soon = sinceRestart_.isValid() && sinceRestart_.elapsed() < kSteadyMs;
  pauseMs_ = soon ? std::clamp(pauseMs_ * 2, 1000, kLongestPauseMs) : 0;
  // Not from inside the engine's report.
  QTimer::singleShot(pauseMs_, this, &TRendererRestart::Restart);
}

void TRendererRestart::Restart() {
  if (!view_ || !restarting_) return;
  sinceRestart_.start();
  view_->load(QUrl("about:blank"));
}

}  // namespace lumivra
