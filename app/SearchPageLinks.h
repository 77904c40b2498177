#pragma once

namespace lumivra {

class MessageBoxes;
class TInformationDlg;
class TSearchDlg;

// Puts the search view and report pages (dialogs/SearchPageWindow) behind the
// search dialog's View (and double click) and Report buttons. The windows and
// `boxes` must outlive the hooks.
void ConnectSearchPages(TSearchDlg& searchDlg, TInformationDlg& info, MessageBoxes& boxes);

}  // namespace lumivra
