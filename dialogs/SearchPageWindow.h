#pragma once
#include <string>

class QWidget;

namespace lumivra {

class MessageBoxes;
class TInformationDlg;
class VerseSearch;

// The search view and report pages in the information window, shown modally
// with the captions "Search View" and "Search Report". The search box text is
// read at the moment of the press: Windows-1252, or UTF-8 when `arabic` (the
// text holds an Arabic letter: the pages of the Arabic search).

// The view page of result line `selected`; nothing when no line is selected
// (a negative index) or the line has no hit behind it. True when shown.
bool ShowSearchViewPage(TInformationDlg& info, const VerseSearch& search, int selected,
                        const std::string& searchBoxText, bool arabic = false);

// The report page of every hit; nothing when the result list is empty. Above
// 1000 hits it asks first, and the answer No stops. True when shown.
bool ShowSearchReportPage(TInformationDlg& info, const VerseSearch& search,
                          int resultLines, const std::string& searchBoxText,
                          MessageBoxes& boxes, QWidget* parent, bool arabic = false);

}  // namespace lumivra
