// The reader's process entry. There are no command-line options.
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "BrowserProfile.h"
#include "InformationDialog.h"
#include "Main.h"
#include "Maker.h"
#include "SearchDialog.h"
#include "SearchPageWindow.h"

int main(int argc, char** argv) {
  // The scheme and the fonts must be known before the browser engine starts.
  PrepareBrowserEngine();

  QApplication app(argc, argv);
  QApplication::setApplicationName(lumivra::kApplicationTitle);

  TMainForm mainForm;
  // The information window lives until the end of the run.
  TInformationDlg informationDlg;
  mainForm.InformationDlg = &informationDlg;
  // So does the search window, with its history and last results.
  TSearchDlg searchDlg;
  mainForm.SearchDlg = &searchDlg;
  // View and Report show their pages in the information window.
  ConnectSearchPages(searchDlg, informationDlg, mainForm.Messages());

  mainForm.showMaximized();
  // Without a window manager nobody maximizes the window: fill the screen.
  QTimer::singleShot(500, &mainForm, [&mainForm] {
    const QRect area = mainForm.screen()->availableGeometry();
    if (mainForm.frameGeometry().width() < area.width() * 9 / 10)
      mainForm.setGeometry(area);
  });
  return app.exec();
}
