#include "app/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <string>

#include "controls/XcbReply.h"

namespace lumivra {

namespace {

// The screen number of the display name ("host:0.1" is screen 1).
int DisplayScreen() {
  const std::string display = qEnvironmentVariable("DISPLAY").toStdString();
  const auto colon = display.rfind(':');
  const auto dot = display.find('.', colon == std::string::npos ? 0 : colon);
  return dot == std::string::npos ? 0 : std::atoi(display.c_str() + dot + 1);
}

// A shown window may get a new native window (when a browser view first
// draws, the window switches how it is drawn), and the new one does not keep
// the maximized state: it is asked for again.
class KeepMaximized : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = static_cast<QWidget*>(watched);
    QWindow* native = widget->windowHandle();
    if (event->type() == QEvent::WinIdChange && native != nullptr && widget->internalWinId() != 0 &&
        (widget->windowState() & Qt::WindowMaximized) && !(native->windowStates() & Qt::WindowMaximized))
      native->setWindowStates(native->windowStates() | Qt::WindowMaximized);
    return false;
  }
};

}  // namespace

bool WindowManagerRunning() {
  const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return true;
  xcb_connection_t* connection = x11->connection();
  // Every manager that follows the conventions owns "WM_S<screen>".
  const std::string name = "WM_S" + std::to_string(DisplayScreen());
  const xcb_atom_t atom = XcbAtom(connection, name, true);
  if (atom == XCB_ATOM_NONE) return false;
  XcbReply<xcb_get_selection_owner_reply_t> owner(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom), nullptr),
      &std::free);
  return owner && owner->owner != XCB_WINDOW_NONE;
}

void ShowMaximizedWindow(QWidget& window) {
  window.installEventFilter(new KeepMaximized(&window));
  window.showMaximized();
  if (!WindowManagerRunning()) window.setGeometry(window.screen()->availableGeometry());
}

}  // namespace lumivra
