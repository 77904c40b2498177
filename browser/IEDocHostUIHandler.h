#pragma once
#include <QObject>
#include <QPointer>

#include <QWebEngineView>

namespace lumivra {

// The browser host handler: once attached, the view shows no context menu on
// any page, while everything else (the browser's own keys among it: select
// all, copy) keeps its default behaviour.
class TDocHostUIHandler : public QObject {
  Q_OBJECT
public:
  explicit TDocHostUIHandler(QObject* parent = nullptr);
  ~TDocHostUIHandler() override;

  // Attaches to `view` (again after every completed navigation: harmless).
  void Attach(QWebEngineView* view);
  void Detach();
  QWebEngineView* AttachedView() const { return view_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Guard(QObject* child);

  QPointer<QWebEngineView> view_;
};

}  // namespace lumivra
