#pragma once
#include <QDialog>
#include <QImage>
#include <functional>
#include <optional>
#include <string>

#include "search/VerseSearch.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;

namespace lumivra {

class PeResourceFile;
class TAutoComboBox;
class TCorelButton;
class TJPanelTexture;

// Goes to a verse in the main window: chapter number and "chapter:verse".
using TLocateVerse = std::function<void(int chapter, const std::string& verseRef)>;

// The search dialog: search text with its history, scope, the result list
// filling line by line, and Goto / View / Report for the results. Created once
// and kept for the run, so history and results survive between openings.
class TSearchDlg : public QDialog {
  Q_OBJECT
public:
  explicit TSearchDlg(QWidget* parent = nullptr);
  ~TSearchDlg() override;

  // The main window's side of an opening: nothing without a translation file;
  // otherwise the wallpaper goes on the panel, the records are built the
  // first time, the dialog is shown modally and a chosen verse is located.
  // A chapter missing from the translation file throws ContentError before
  // the dialog shows.
  void Execute(const PeResourceFile* translation, const QImage& wallpaper,
               const TLocateVerse& locateVerse);

  void SetTranslationLibrary(const PeResourceFile* library) { search_.SetTranslationLibrary(library); }
  // The Arabic file an Arabic search runs over; none (nullptr) finds nothing.
  void SetArabicLibrary(const PeResourceFile* library) { search_.SetArabicLibrary(library); }
  void SetWallpaper(const QImage& wallpaper);

  bool GotoChosen() const { return gotoChosen_; }
  const std::string& ChosenVerseRef() const { return chosenVerseRef_; }
  int ChosenChapter() const { return chosenChapter_; }

  const VerseSearch& Search() const { return search_; }
  // The list index of the selected result line, -1 when none.
  int SelectedResult() const;
  // The search box's text: UTF-8 when it holds an Arabic letter (an Arabic
  // search), Windows-1252 otherwise.
  std::string SearchText() const;
  bool SearchTextIsArabic() const;
  bool Filling() const { return fillDepth_ > 0; }

  // The pages behind View (and a double click) and Report.
  std::function<void(TSearchDlg&)> ViewHandler;
  std::function<void(TSearchDlg&)> ReportHandler;

  TJPanelTexture* MainPanel;
  QFrame* SearchBorderBevel;
  QLabel* SearchLabel;
  TAutoComboBox* SearchCombo;
  QFrame* SearchBevel;
  QLabel* ContentsLabel;
  QComboBox* ChapterCombo;
  QCheckBox* IncludeAllCheck;
  QLabel* IncludeLabel;
  TCorelButton* FindBtn;
  TCorelButton* ResetStopBtn;
  TCorelButton* CancelBtn;
  QFrame* MiddleSepBevel;
  QLabel* ResultsLabel;
  QListWidget* ResultList;
  QFrame* BottomSepBevel;
  QImage BitImage;
  TCorelButton* ReportBtn;
  TCorelButton* ViewBtn;
  TCorelButton* GotoBtn;

  void FindBtnClick();
  void ResetStopBtnClick();
  void CancelBtnClick();
  void IncludeAllCheckClick();
  void IncludeLabelClick();
  void ResultListDblClick();
  void ViewBtnClick();
  void ReportBtnClick();
  void GotoBtnClick();

  void done(int result) override;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void RunSearch(const std::string& text, bool arabic);
  void SetResultButtons(bool enabled);
  // The count above the result list, which also names the list.
  void ShowCount(const QString& text, bool enabled);

  VerseSearch search_;
  bool stopRequested_ = false;
  bool gotoChosen_ = false;
  std::string chosenVerseRef_;
  int chosenChapter_ = 0;
  // Each search gets a new number; a fill whose number is no longer the
  // latest has been replaced and ends without touching the list.
  unsigned searchGeneration_ = 0;
  int fillDepth_ = 0;
  bool closingByCancel_ = false;
  std::optional<int> pendingClose_;
};

}  // namespace lumivra
