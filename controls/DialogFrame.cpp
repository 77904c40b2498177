#include "controls/DialogFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "controls/XcbReply.h"

namespace lumivra {

namespace {

XcbReply<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                            xcb_atom_t property, xcb_atom_t type) {
  return {xcb_get_property_reply(connection,
                                 xcb_get_property(connection, 0, window, property, type, 0, 64), nullptr),
          &std::free};
}

// Whether the window manager on the screen of `window` is openbox: the
// window named by the root's _NET_SUPPORTING_WM_CHECK carries its name.
bool UnderOpenbox(xcb_connection_t* connection, xcb_window_t window) {
  XcbReply<xcb_query_tree_reply_t> tree(
      xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
  if (!tree) return false;
  const auto check = Property(connection, tree->root, XcbAtom(connection, "_NET_SUPPORTING_WM_CHECK"),
                              XCB_ATOM_WINDOW);
  if (!check || check->format != 32 || xcb_get_property_value_length(check.get()) < 4) return false;
  const auto manager = *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get()));
  const auto name = Property(connection, manager, XcbAtom(connection, "_NET_WM_NAME"),
                             XcbAtom(connection, "UTF8_STRING"));
  if (!name || name->format != 8) return false;
  return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                     static_cast<size_t>(xcb_get_property_value_length(name.get()))) == "Openbox";
}

// Qt's flags reach the window manager as Motif hints, which most managers
// follow. Openbox offers minimise on every dialog whatever they say, and
// takes it away only from a window typed as a toolbar; so under openbox each
// native window a modal dialog gets is typed so before it is mapped, with the
// dialog type after it for anything else that reads the list. (Openbox gives
// a new toolbar the focus only when it is modal.)
class OpenboxFrame : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::WinIdChange) return false;
    auto* dialog = static_cast<QWidget*>(watched);
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    const auto window = static_cast<xcb_window_t>(dialog->internalWinId());
    if (!dialog->isModal() || x11 == nullptr || x11->connection() == nullptr || window == 0) return false;
    xcb_connection_t* connection = x11->connection();
    if (!UnderOpenbox(connection, window)) return false;
    const xcb_atom_t types[] = {XcbAtom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                XcbAtom(connection, "_NET_WM_WINDOW_TYPE_DIALOG")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XcbAtom(connection, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 2, types);
    return false;
  }
};

}  // namespace

void UseFixedDialogFrame(QWidget& dialog) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog.installEventFilter(new OpenboxFrame(&dialog));
}

}  // namespace lumivra
