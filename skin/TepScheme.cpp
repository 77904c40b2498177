#include "skin/TepScheme.h"

#include <QCoreApplication>
#include <QWidget>

#include "skin/TepSchemeButton.h"
#include "skin/TepSchemeForm.h"

namespace lumivra {

TepScheme::TepScheme(QObject* owner) : QObject(owner) {
  // A widget announces its end before it deletes its children (the store
  // among them); the owner is then no longer told of anything.
  if (owner != nullptr) connect(owner, &QObject::destroyed, this, [this] { ownerGone_ = true; });
}

void TepScheme::SetSchemeStore(TepSchemeStore* store) {
  disconnect(storeLink_);
  store_ = store;
  if (store != nullptr) storeLink_ = connect(store, &QObject::destroyed, this, &TepScheme::StoreDestroyed);
  auto* owner = qobject_cast<QWidget*>(parent());
  if (owner == nullptr || ownerGone_) return;
  SchemeChangedEvent event(1000, 1000);
  QCoreApplication::sendEvent(owner, &event);
}

void TepScheme::StoreDestroyed(QObject*) {
  store_ = nullptr;
  disconnect(storeLink_);
  QObject* owner = qobject_cast<QWidget*>(parent());
  if (owner == nullptr || ownerGone_) return;
  // Once through the owner's event filters (the frame's hook) and once
  // straight to the owner's own handling.
  SchemeChangedEvent sent(1000, 1000);
  QCoreApplication::sendEvent(owner, &sent);
  SchemeChangedEvent dispatched(1000, 1000);
  owner->event(&dispatched);
}

void LinkScheme(QPointer<TepScheme>& link, TepScheme* scheme, QWidget* control) {
  if (link != nullptr) QObject::disconnect(link, nullptr, control, nullptr);
  link = scheme;
  if (scheme != nullptr) QObject::connect(scheme, &QObject::destroyed, control, qOverload<>(&QWidget::update));
}

bool IsWindowedControl(const QWidget* control) {
  return qobject_cast<const TepSchemeButton*>(control) == nullptr &&
         qobject_cast<const TepSchemeForm*>(control) == nullptr;
}

void InvalidateOwner(QWidget* owner) {
  owner->update();
  for (QObject* child : owner->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget != nullptr && !IsWindowedControl(widget)) widget->update();
  }
}

TepSchemeStore* StoreOf(const TepScheme* scheme) {
  return scheme != nullptr ? scheme->SchemeStore() : nullptr;
}

std::optional<QColor> SchemeColor(const TepSchemeStore* store) {
  if (store == nullptr) return std::nullopt;
  const QImage& caption = store->ActiveCaption();
  if (caption.width() <= 110 || caption.height() <= 0) return std::nullopt;
  return caption.pixelColor(110, caption.height() - 1);
}

TepScheme* FindFormScheme(const QObject* form) {
  if (form == nullptr) return nullptr;
  for (QObject* child : form->children()) {
    if (auto* scheme = qobject_cast<TepScheme*>(child)) return scheme;
  }
  return nullptr;
}

}  // namespace lumivra
