#include "app/Main.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTreeWidget>
#include <QUrl>

#include "content/DisplayOption.h"
#include "content/Maker.h"
#include "content/NodeKey.h"
#include "controls/QtText.h"
#include "controls/Wallpaper.h"
#include "dialogs/CommonDialog.h"
#include "dialogs/InformationDialog.h"
#include "dialogs/Printing.h"
#include "search/SearchDialog.h"

namespace lumivra {

void TMainForm::PrepareCommonDialog(TCommonDlg& dlg) {
  dlg.SetTexture(CurrentWallpaper());
  dlg.ErrorReport = [this](const QString& text) { ShowApplicationError(ToCp1252(text)); };
}

void TMainForm::SearchBtnClick() {
  if (SearchDlg == nullptr) return;
  ReportErrors([this] {
    SearchDlg->SetArabicLibrary(content_.ArabicLibrary());
    SearchDlg->Execute(content_.TranslationLibrary(), CurrentWallpaper(),
                       [this](int chapter, const std::string& verseRef) { LocateVerse(chapter, verseRef); });
  });
}

void TMainForm::miFindClick() { SearchBtnClick(); }

void TMainForm::InfoBtnClick() {
  const QTreeWidgetItem* node = TreeView->currentItem();
  if (node == nullptr || InformationDlg == nullptr) return;
  ReportErrors([&] { ShowNodeInformation(*InformationDlg, content_, NodeKeyOf(node)); });
}

void TMainForm::miInformationClick() { InfoBtnClick(); }

void TMainForm::GotoBtnClick() {
  TCommonDlg dlg(this);
  PrepareCommonDialog(dlg);
  dlg.SetMode(1);
  dlg.exec();
  if (!dlg.GotoAccepted()) return;
  if (dlg.GotoVerseRef().empty()) {
    // The page is built when the change notification arrives, loading shown.
    ShowLoading = false;
    SelectNode(NodeAtAbsolutePosition(dlg.GotoChapter() + 1));
    ShowLoading = true;
    return;
  }
  LocateVerse(dlg.GotoChapter(), dlg.GotoVerseRef());
}

void TMainForm::miGotoChapterVerseClick() { GotoBtnClick(); }

void TMainForm::PrintBtnClick() { PrintBrowserPage(WebBrowser, false); }

void TMainForm::miPrintChapterClick() { PrintBrowserPage(WebBrowser, true); }

void TMainForm::DisplayOptionBtnClick() {
  QStringList names;
  for (const auto& name : DisplayOptionNames(TransliterationAvailable())) names << FromCp1252(name);
  TCommonDlg dlg(this);
  PrepareCommonDialog(dlg);
  dlg.SetMode(2);
  dlg.SetDisplayList(names);
  dlg.SetDisplayName(FromCp1252(DisplayOptionName(ViewOption)));
  dlg.exec();
  if (!dlg.DisplayChanged()) return;
  ViewOption = DisplayOptionFromName(ToCp1252(dlg.DisplayName()));
  // An open chapter (or the home page) is shown again; the title page is not.
  const QTreeWidgetItem* node = TreeView->currentItem();
  if (node != nullptr && GetKeyField(NodeKeyOf(node), '~', 2) != "0") ShowNodePage();
}

void TMainForm::miChangeDisplayOptionsClick() { DisplayOptionBtnClick(); }

void TMainForm::HelpBtnClick() {
  // Beside the settings file, in the working folder, else beside the
  // program; the desktop's opener hands it to the help viewer.
  const std::string help = FindFileIn(HelpFileFolders(), "Help.chm");
  if (help.empty()) return;
  QDesktopServices::openUrl(
      QUrl::fromLocalFile(QFileInfo(QString::fromStdString(help)).absoluteFilePath()));
}

void TMainForm::miApplicationHelpClick() { HelpBtnClick(); }

void TMainForm::miCheckForUpdatesClick() {
  QDesktopServices::openUrl(QUrl(QString::fromUtf8(kMakerWebAddress)));
}

void TMainForm::miAboutClick() {
  TCommonDlg dlg(this);
  PrepareCommonDialog(dlg);
  dlg.SetMode(3);
  dlg.exec();
}

}  // namespace lumivra
