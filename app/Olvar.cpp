// The reader's process entry. There are no command-line options.
#include <QApplication>
#include <memory>

#include "app/Main.h"
#include "app/SearchPageLinks.h"
#include "app/WindowPlacement.h"
#include "browser/BrowserProfile.h"
#include "content/Maker.h"
#include "controls/SplashScreenDialog.h"
#include "dialogs/InformationDialog.h"
#include "search/SearchDialog.h"

using namespace lumivra;

int main(int argc, char** argv) {
  // The scheme and the fonts must be known before the browser engine starts.
  PrepareBrowserEngine();

  QApplication app(argc, argv);
  std::unique_ptr<TMainForm> mainForm;
  std::unique_ptr<TInformationDlg> informationDlg;
  std::unique_ptr<TSearchDlg> searchDlg;
  // The splash screen is up while the forms are created, and until its
  // timer has fired; it is gone before the main loop starts.
  RunWithSplashScreen([&] {
    QApplication::setApplicationName(kApplicationTitle);
    mainForm = std::make_unique<TMainForm>();
    // The information window lives until the end of the run.
    informationDlg = std::make_unique<TInformationDlg>();
    mainForm->InformationDlg = informationDlg.get();
    // So does the search window, with its history and last results.
    searchDlg = std::make_unique<TSearchDlg>();
    mainForm->SearchDlg = searchDlg.get();
    // View and Report show their pages in the information window.
    ConnectSearchPages(*searchDlg, *informationDlg, mainForm->Messages());
  });

  ShowMaximizedWindow(*mainForm);
  return app.exec();
}
