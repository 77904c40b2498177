#pragma once
// Answers the common dialogs a command opens: `drive` runs on each one as it
// becomes the active modal window.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "dialogs/CommonDialog.h"

namespace lumivra::testing {

class DialogDriver {
public:
  using Drive = std::function<void(TCommonDlg&)>;

  // Runs `command`; the n-th dialog it opens is handed to drives[n].
  // Returns how many dialogs were driven.
  static int Run(const std::function<void()>& command, std::vector<Drive> drives) {
    size_t next = 0;
    QPointer<QObject> seen;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* dlg = qobject_cast<TCommonDlg*>(QApplication::activeModalWidget());
      if (dlg == nullptr || dlg == seen || !dlg->isVisible() || next >= drives.size()) return;
      seen = dlg;
      // Driven from a fresh event, so that a dialog it opens is driven too.
      QTimer::singleShot(0, dlg, [dlg, drive = drives[next++]] { drive(*dlg); });
    });
    timer.start();
    command();
    return static_cast<int>(next);
  }
};

}  // namespace lumivra::testing
