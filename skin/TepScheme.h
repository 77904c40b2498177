#pragma once
#include <QColor>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <optional>

#include "skin/TepSchemeStore.h"

class QWidget;

namespace lumivra {

// The notification a skinned control gets when its scheme's store changes.
// Delivered synchronously: QCoreApplication::sendEvent.
class SchemeChangedEvent : public QEvent {
public:
  static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x4C9);
  SchemeChangedEvent(int wParam, int lParam) : QEvent(kType), wParam_(wParam), lParam_(lParam) {}
  int WParam() const { return wParam_; }
  int LParam() const { return lParam_; }

private:
  int wParam_;
  int lParam_;
};

// The link from the skinned controls to a store: controls point at a
// scheme, so re-pointing one scheme switches the store of all of them.
class TepScheme : public QObject {
  Q_OBJECT
public:
  explicit TepScheme(QObject* owner = nullptr);

  TepSchemeStore* SchemeStore() const { return store_; }
  // Stores the link (also when it is the current one) and sends
  // SchemeChanged (1000, 1000) to the owner when that is a widget.
  void SetSchemeStore(TepSchemeStore* store);

private:
  void StoreDestroyed(QObject* store);

  QPointer<TepSchemeStore> store_;
  QMetaObject::Connection storeLink_;
  bool ownerGone_ = false;
};

// Points a skinned control's link at `scheme`; the control repaints (in its
// plain look) when the scheme goes.
void LinkScheme(QPointer<TepScheme>& link, TepScheme* scheme, QWidget* control);

// Whether `control` is a windowed control. The skinned frame and buttons are
// not: they are painted as part of their parent, repaint with it and get no
// forwarded notifications.
bool IsWindowedControl(const QWidget* control);

// Schedules a repaint of `owner` with its non-windowed children.
void InvalidateOwner(QWidget* owner);

// The store behind `scheme`; nullptr when either is missing.
TepSchemeStore* StoreOf(const TepScheme* scheme);

// The colour of the pixel at (110, height - 1) of the store's ActiveCaption;
// nullopt when there is no such pixel (no store, or the bitmap is too small).
std::optional<QColor> SchemeColor(const TepSchemeStore* store);

// The first scheme among the children of `form`, in creation order.
TepScheme* FindFormScheme(const QObject* form);

}  // namespace lumivra
