#include "browser/IEDocHostUIHandler.h"

#include <QChildEvent>
#include <QContextMenuEvent>
#include <QWebEngineView>

namespace lumivra {

TDocHostUIHandler::TDocHostUIHandler(QObject* parent) : QObject(parent) {}

TDocHostUIHandler::~TDocHostUIHandler() { Detach(); }

void TDocHostUIHandler::Attach(QWebEngineView* view) {
  if (view == view_ && view != nullptr) {
    view->setContextMenuPolicy(Qt::PreventContextMenu);
    return;
  }
  Detach();
  view_ = view;
  if (view == nullptr) return;
  // The view asks its policy before it builds a menu for a page request;
  // the widget that renders the page is watched for the keyboard's menu key.
  view->setContextMenuPolicy(Qt::PreventContextMenu);
  view->installEventFilter(this);
  for (QObject* child : view->children()) Guard(child);
}

void TDocHostUIHandler::Detach() {
  if (!view_) return;
  view_->removeEventFilter(this);
  for (QObject* child : view_->children()) child->removeEventFilter(this);
  view_ = nullptr;
}

void TDocHostUIHandler::Guard(QObject* child) {
  if (auto* widget = qobject_cast<QWidget*>(child)) {
    widget->setContextMenuPolicy(Qt::PreventContextMenu);
    widget->installEventFilter(this);
  }
}

bool TDocHostUIHandler::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContextMenu) {
    event->accept();
    return true;  // the menu counts as shown
  }
  if (event->type() == QEvent::ChildAdded && watched == view_) {
    Guard(static_cast<QChildEvent*>(event)->child());
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lumivra
