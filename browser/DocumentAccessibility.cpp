#include "browser/DocumentAccessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWebEngineView>
#include <memory>

namespace lumivra {

namespace {

constexpr int kPollMs = 50;
constexpr int kGiveUpMs = 15000;
constexpr char kAnnouncement[] = "lumivraAnnouncement";

QAccessible::UpdateHandler previousHandler = nullptr;

QWebEngineView* ViewHolding(QObject* object) {
  for (auto* widget = qobject_cast<QWidget*>(object); widget != nullptr; widget = widget->parentWidget())
    if (auto* view = qobject_cast<QWebEngineView*>(widget)) return view;
  return nullptr;
}

bool HasKeyboardFocus(QWebEngineView* view) { return ViewHolding(QApplication::focusWidget()) == view; }

// The element focused in the view's document, else the document.
QAccessibleInterface* FocusInView(QWebEngineView* view) {
  QAccessibleInterface* document = AccessibleDocument(view);
  QAccessibleInterface* focus = document != nullptr ? document->focusChild() : nullptr;
  return focus != nullptr ? focus : document;
}

void CorrectFocus(QAccessibleEvent* event);

void Forward(QAccessibleEvent* event) {
  if (previousHandler != nullptr) {
    previousHandler(event);
    return;
  }
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(CorrectFocus);
}

void CorrectFocus(QAccessibleEvent* event) {
  if (event->type() == QAccessible::Focus) {
    QObject* object = event->object();
    if (auto* items = qobject_cast<QAbstractItemView*>(object); items != nullptr && !items->hasFocus()) return;
    QWebEngineView* view = qobject_cast<QWidget*>(object) != nullptr ? ViewHolding(object) : nullptr;
    if (QAccessibleInterface* focus = view != nullptr ? FocusInView(view) : nullptr) {
      QAccessibleEvent document(focus, QAccessible::Focus);
      Forward(&document);
      return;
    }
  }
  Forward(event);
}

}  // namespace

QAccessibleInterface* AccessibleDocument(QWebEngineView* view) {
  if (view == nullptr || !QAccessible::isActive()) return nullptr;
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view);
  QAccessibleInterface* document = face != nullptr && face->childCount() > 0 ? face->child(0) : nullptr;
  return document != nullptr && document->isValid() ? document : nullptr;
}

void InstallFocusCorrection() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  previousHandler = QAccessible::installUpdateHandler(CorrectFocus);
}

void AnnounceWrittenPage(QWebEngineView* view, const QString& title) {
  if (view == nullptr || title.isEmpty() || !QAccessible::isActive()) return;
  const unsigned number = view->property(kAnnouncement).toUInt() + 1;
  view->setProperty(kAnnouncement, number);
  QPointer<QWebEngineView> guard(view);
  auto waited = std::make_shared<QElapsedTimer>();
  waited->start();
  auto* poll = new QTimer(view);
  poll->setInterval(kPollMs);
  QObject::connect(poll, &QTimer::timeout, poll, [guard, poll, number, title, waited] {
    if (!guard || guard->property(kAnnouncement).toUInt() != number || waited->hasExpired(kGiveUpMs)) {
      poll->deleteLater();
      return;
    }
    QAccessibleInterface* document = AccessibleDocument(guard);
    if (document == nullptr || document->text(QAccessible::Name) != title) return;
    poll->deleteLater();
    QAccessibleEvent renamed(document, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    if (HasKeyboardFocus(guard)) {
      QAccessibleEvent focus(FocusInView(guard), QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
    }
  });
  poll->start();
}

}  // namespace lumivra
