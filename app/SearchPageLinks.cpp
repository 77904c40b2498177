#include "app/SearchPageLinks.h"

#include <QListWidget>

#include "dialogs/SearchPageWindow.h"
#include "search/SearchDialog.h"

namespace lumivra {

void ConnectSearchPages(TSearchDlg& searchDlg, TInformationDlg& info, MessageBoxes& boxes) {
  searchDlg.ViewHandler = [&info](TSearchDlg& dlg) {
    ShowSearchViewPage(info, dlg.Search(), dlg.SelectedResult(), dlg.SearchText(), dlg.SearchTextIsArabic());
  };
  searchDlg.ReportHandler = [&info, &boxes](TSearchDlg& dlg) {
    ShowSearchReportPage(info, dlg.Search(), dlg.ResultList->count(), dlg.SearchText(), boxes,
                         &dlg, dlg.SearchTextIsArabic());
  };
}

}  // namespace lumivra
