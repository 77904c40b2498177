#include "app/Main.h"

#include <QAction>

#include "browser/TextSize.h"
#include "controls/QtText.h"
#include "dialogs/CommonDialog.h"
#include "dialogs/MessageBoxes.h"
#include "state/BookmarkActions.h"
#include "state/Bookmarks.h"
#include "state/Settings.h"
#include "state/SettingsClock.h"
#include "state/SettingsFile.h"

namespace lumivra {

namespace {

TBookmarkActions BookmarkActionsOf(const TMainForm& form) {
  TBookmarkActions actions;
  actions.separator = form.N3;
  actions.deleteItem = form.DeleteBookmarks;
  for (size_t i = 0; i < form.B.size(); ++i) actions.items[i] = form.B[i];
  for (size_t i = 0; i < form.C.size(); ++i) actions.items[form.B.size() + i] = form.C[i];
  return actions;
}

}  // namespace

void TMainForm::RefreshBookmarkMenu() {
  const TBookmarkActions actions = BookmarkActionsOf(*this);
  BookmarkMenuModel menu = ReadBookmarkMenu(actions);
  lumivra::RefreshBookmarkMenu(menu, BookmarkList);
  ApplyBookmarkMenu(menu, actions);
}

bool TMainForm::LoadSettings() {
  const auto lines = ReadSettingsFile(kSettingsFileName);
  if (!lines) return false;
  const SettingsReadResult read = ReadSettingsLines(*lines, BookmarkList);
  RefreshBookmarkMenu();
  ViewOption = read.viewOption;
  ThemeType = read.themeType;
  InitODefaultPage = read.initODefaultPage;
  WebBrowserTextSize->SetPercent(read.textSize);
  // Before the window shows: nothing repaints yet.
  if (read.usable) ApplyTheme(ThemeType);
  return read.usable;
}

void TMainForm::SaveSettings() {
  const SettingsValues values{ViewOption, ThemeType, InitODefaultPage, BookmarkList,
                              WebBrowserTextSize->Percent()};
  ReportErrors([&] {
    WriteSettingsFile(kSettingsFileName, values, SettingsTimestampNow());
  });
}

void TMainForm::AddNewBookmarkClick() {
  TCommonDlg dlg(this);
  PrepareCommonDialog(dlg);
  dlg.SetMode(1);
  dlg.setWindowTitle(QStringLiteral("Add New Bookmark"));
  dlg.exec();
  if (!dlg.GotoAccepted()) return;
  switch (AddBookmark(BookmarkList, dlg.GotoVerseRef())) {
    case BookmarkAddResult::kNoVerse:
      return;
    case BookmarkAddResult::kFull:
      boxes_->Show(QMessageBox::Information, "Information", kBookmarkLimitMessage);
      return;
    case BookmarkAddResult::kDuplicate:
      boxes_->Show(QMessageBox::Information, "Information", kBookmarkPresentMessage);
      return;
    case BookmarkAddResult::kAdded: {
      const TBookmarkActions actions = BookmarkActionsOf(*this);
      BookmarkMenuModel menu = ReadBookmarkMenu(actions);
      ShowAddedBookmark(menu, BookmarkList);
      ApplyBookmarkMenu(menu, actions);
      return;
    }
  }
}

void TMainForm::DeleteBookmarksClick() {
  if (BookmarkList.empty()) return;
  QStringList captions;
  for (const auto& caption : VisibleBookmarkCaptions(ReadBookmarkMenu(BookmarkActionsOf(*this))))
    captions << FromCp1252(caption);
  TCommonDlg dlg(this);
  PrepareCommonDialog(dlg);
  dlg.SetMode(6);
  dlg.SetBookmarkList(captions);
  dlg.exec();
  if (!dlg.DeleteAccepted()) return;
  ReportErrors([&] { DeleteBookmark(BookmarkList, dlg.DeleteIndex()); });
  RefreshBookmarkMenu();
}

void TMainForm::GotoBookmark() {
  const auto* item = qobject_cast<const QAction*>(sender());
  if (item == nullptr) return;
  const int tag = item->data().toInt();
  if (tag < 0 || static_cast<size_t>(tag) >= BookmarkList.size()) {
    ShowApplicationError("List index out of bounds (" + std::to_string(tag) + ")");
    return;
  }
  const auto target = BookmarkLocation(BookmarkList[static_cast<size_t>(tag)]);
  if (!target) return;
  LocateVerse(target->chapter, target->text);
}

}  // namespace lumivra
