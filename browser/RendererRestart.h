#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWebEngineView>
#include <functional>

namespace lumivra {

// Keeps a browser view working when its renderer process ends (a crash, a
// kill, the system out of memory): the view gets a new renderer on an empty
// document and `rebuild` shows again what the view showed. No message. A
// renderer that ends again soon after is started again only after a pause
// (one second, doubling up to half a minute), never in a loop.
class TRendererRestart : public QObject {
  Q_OBJECT
public:
  TRendererRestart(QWebEngineView* view, std::function<void()> rebuild);

  // How many times the view's renderer has ended.
  unsigned Ends() const { return ends_; }
  // From the end of a renderer until the new one has its empty document.
  bool Restarting() const { return restarting_; }

private:
  void RenderProcessTerminated();
  void Restart();

  QPointer<QWebEngineView> view_;
  std::function<void()> rebuild_;
  unsigned ends_ = 0;
  bool restarting_ = false;
  int pauseMs_ = 0;
  QElapsedTimer sinceRestart_;
};

}  // namespace lumivra
