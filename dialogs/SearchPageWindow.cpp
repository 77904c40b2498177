#include "dialogs/SearchPageWindow.h"

#include <QApplication>

#include "dialogs/InformationDialog.h"
#include "dialogs/MessageBoxes.h"
#include "search/SearchPages.h"
#include "search/VerseSearch.h"

namespace lumivra {

namespace {

void ShowPage(TInformationDlg& info, const std::string& page, const QString& caption) {
  info.ShowPage(page, caption);
  QApplication::processEvents();
}

}  // namespace

bool ShowSearchViewPage(TInformationDlg& info, const VerseSearch& search, int selected,
                        const std::string& searchBoxText, bool arabic) {
  const auto& found = search.FoundPositions();
  if (selected < 0 || static_cast<size_t>(selected) >= found.size()) return false;
  const int position = found[static_cast<size_t>(selected)];
  const auto& records = search.VerseRecords();
  if (position < 0 || static_cast<size_t>(position) >= records.size()) return false;
  const std::string body =
      arabic ? BuildArabicSearchViewBody(search, position, searchBoxText)
             : BuildSearchViewBody(records[static_cast<size_t>(position)], searchBoxText);
  ShowPage(info, SearchPageHtml(body), "Search View");
  return true;
}

bool ShowSearchReportPage(TInformationDlg& info, const VerseSearch& search,
                          int resultLines, const std::string& searchBoxText,
                          MessageBoxes& boxes, QWidget* parent, bool arabic) {
  if (resultLines <= 0) return false;
  const auto& found = search.FoundPositions();
  if (ReportNeedsConfirmation(found.size())) {
    const auto answer = boxes.Show(QMessageBox::Question, "Confirm",
                                   QString::fromLatin1(kReportConfirmText),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton,
                                   parent);
    if (answer == QMessageBox::No) return false;
  }
  const std::string body =
      arabic ? BuildArabicSearchReportBody(search, found, searchBoxText)
             : BuildSearchReportBody(search.VerseRecords(), found, searchBoxText);
  ShowPage(info, SearchPageHtml(body), "Search Report");
  return true;
}

}  // namespace lumivra
