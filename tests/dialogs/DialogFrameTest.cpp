// Under openbox the fixed-size dialogs and the message boxes take the focus and
// can be closed, but neither minimised (a minimised modal dialog hides the whole
// program) nor maximised.
#include <QTimer>

#include "dialogs/CommonDialog.h"
#include "dialogs/InformationDialog.h"
#include "search/SearchDialog.h"
#include "tests/app/ReaderTestSupport.h"

using namespace lumivra;
using namespace lumivra::testing;

namespace {

void ExpectFixedFrame(QWidget& window) {
  EXPECT_TRUE(WaitUntil([&] { return window.isActiveWindow(); })) << window.windowTitle().toStdString();
  QString actions;  // as xprop lists them, once the manager has set them
  WaitUntil([&] {
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window.winId()), "_NET_WM_ALLOWED_ACTIONS"});
    xprop.waitForFinished();
    return (actions = xprop.readAllStandardOutput()).contains("_NET_WM_ACTION_CLOSE");
  });
  EXPECT_TRUE(actions.contains("CLOSE") && !actions.contains("MINIMIZE") && !actions.contains("MAXIMIZE"))
      << window.windowTitle().toStdString() << ": " << actions.toStdString();
}

}  // namespace

TEST(DialogFrame, UnderOpenboxNoDialogCanBeMinimisedOrMaximised) {
  WindowManager manager;
  ASSERT_TRUE(manager.Running());
  QWidget owner;
  owner.show();
  TSearchDlg search(&owner);
  TInformationDlg information(&owner);
  std::vector<QDialog*> dialogs{&search, &information};
  std::vector<std::unique_ptr<TCommonDlg>> common;  // go-to, display, about, theme, team, bookmarks
  for (unsigned mode = 1; mode <= 6; ++mode) {
    dialogs.push_back(common.emplace_back(std::make_unique<TCommonDlg>(&owner)).get());
    common.back()->SetMode(mode);
  }
  for (QDialog* dialog : dialogs) {
    dialog->open();
    if (dialog == &information) {  // the browser's first drawing may give it a new native window
      information.WritePage("<p>Page</p>");
      WaitUntil([&] { return EvaluateInBrowser(information.InfoWebBrowser(), "document.body.innerText") != ""; });
    }
    ExpectFixedFrame(*dialog);
    dialog->hide();
  }
  QTimer::singleShot(0, [] {
    ExpectFixedFrame(*QApplication::activeModalWidget());
    QApplication::activeModalWidget()->close();
  });
  QtMessageBoxes().Show(QMessageBox::Warning, "Warning", "Text", QMessageBox::Ok, {}, &owner);
}
