#pragma once

class QWidget;

namespace lumivra {

// Whether a window manager runs on the display: on X11, whether the
// manager selection of the screen has an owner. Elsewhere the platform
// always places the windows.
bool WindowManagerRunning();

// Shows the main window maximized: by the window manager's own means when
// one runs, otherwise by filling the screen's available area, since nobody
// else would.
void ShowMaximizedWindow(QWidget& window);

}  // namespace lumivra
