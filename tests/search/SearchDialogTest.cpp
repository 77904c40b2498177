#include "search/SearchDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "content/ContentError.h"
#include "content/Cp1252.h"
#include "controls/CorelButton.h"
#include "controls/JPanelTexture.h"
#include "search/AutoCombo.h"
#include "support/QtWait.h"
#include "tests/search/TranslationFixture.h"

using namespace lumivra;

namespace {

using lumivra::PeResourceFile;

// Chapter 1 has 7 verses, chapter 2 has 300 ("verse k" each, some with
// mercy), chapter 3 "Mercy" twice; the others one line each.
std::unique_ptr<PeResourceFile> Translation() {
  std::string two;
  for (int k = 1; k <= 300; ++k) two += "verse " + std::to_string(k) + (k % 100 == 0 ? " mercy" : "") + "\r\n";
  return lumivra::testing::MakeTranslation({
      {1, "In the name\r\nPraise\r\nMost Merciful\r\nMaster of the Day\r\nYou alone\r\nGuide us\r\nthe path\r\n"},
      {2, two},
      {3, "Mercy one\r\nMercy two\r\n"},
  });
}

// Runs `action` once the result list holds at least `lines` lines; the fill
// lets such timers run between its lines.
void WhenLines(TSearchDlg& dialog, int lines, std::function<void()> action) {
  auto* timer = new QTimer(&dialog);
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, timer, [=, &dialog] {
    if (dialog.ResultList->count() < lines) return;
    timer->stop();
    timer->deleteLater();
    action();
  });
  timer->start();
}

// Types text that has no keys of its own here (Arabic), a character at a time.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool InputHasFocus(const TSearchDlg& dialog) {
  QWidget* focus = dialog.focusWidget();
  return focus == dialog.SearchCombo || focus == dialog.SearchCombo->lineEdit();
}

class SearchDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    file_ = Translation();
    ASSERT_TRUE(file_);
    dialog_.SetTranslationLibrary(file_.get());
  }
  void Show() {
    dialog_.show();
    dialog_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog_));
  }
  void Find(const QString& text) {
    dialog_.SearchCombo->setEditText(text);
    dialog_.FindBtnClick();
  }
  QStringList History() const {
    QStringList items;
    for (int i = 0; i < dialog_.SearchCombo->count(); ++i) items << dialog_.SearchCombo->itemText(i);
    return items;
  }
  bool ResultButtons() const {
    const bool goTo = dialog_.GotoBtn->isEnabled();
    EXPECT_EQ(dialog_.ViewBtn->isEnabled(), goTo);
    EXPECT_EQ(dialog_.ReportBtn->isEnabled(), goTo);
    return goTo;
  }

  std::unique_ptr<PeResourceFile> file_;
  TSearchDlg dialog_;
};

}  // namespace

TEST_F(SearchDialogTest, FreshDialogLayout) {
  EXPECT_EQ(dialog_.windowTitle(), "Search");
  EXPECT_EQ(dialog_.size(), QSize(337, 385));
  EXPECT_EQ(dialog_.font().family(), "Tahoma");
  EXPECT_EQ(dialog_.MainPanel->geometry(), QRect(0, 0, 337, 385));
  EXPECT_EQ(dialog_.MainPanel->jStyleTexture(), TJPanelTextureStyle::txTile);
  EXPECT_EQ(dialog_.SearchBorderBevel->geometry(), QRect(8, 8, 233, 145));
  EXPECT_EQ(dialog_.SearchCombo->geometry().topLeft(), QPoint(16, 32));
  EXPECT_EQ(dialog_.SearchCombo->width(), 217);
  EXPECT_EQ(dialog_.ChapterCombo->geometry().topLeft(), QPoint(16, 94));
  EXPECT_EQ(dialog_.FindBtn->geometry(), QRect(248, 8, 81, 23));
  EXPECT_EQ(dialog_.ResetStopBtn->geometry(), QRect(248, 40, 81, 23));
  EXPECT_EQ(dialog_.CancelBtn->geometry(), QRect(248, 72, 81, 23));
  EXPECT_EQ(dialog_.ResultList->geometry(), QRect(8, 184, 321, 153));
  EXPECT_EQ(dialog_.ReportBtn->geometry(), QRect(94, 355, 75, 23));
  EXPECT_EQ(dialog_.ViewBtn->geometry(), QRect(174, 355, 75, 23));
  EXPECT_EQ(dialog_.GotoBtn->geometry(), QRect(254, 355, 75, 23));
  EXPECT_EQ(dialog_.IncludeLabel->pos(), QPoint(33, 121));
  EXPECT_EQ(dialog_.ResultsLabel->pos(), QPoint(9, 168));
  EXPECT_EQ(dialog_.BitImage.size(), QSize(16, 15));

  EXPECT_EQ(dialog_.SearchLabel->text(), "&Search Text");
  EXPECT_EQ(dialog_.ContentsLabel->text(), "&Contained In :");
  EXPECT_EQ(dialog_.IncludeLabel->text(), "Include &All Chapters.");
  EXPECT_EQ(dialog_.FindBtn->text(), "&Find Now");
  EXPECT_EQ(dialog_.ResetStopBtn->text(), "Re&set");
  EXPECT_EQ(dialog_.CancelBtn->text(), "&Cancel");
  EXPECT_EQ(dialog_.GotoBtn->text(), "&Goto");
  EXPECT_EQ(dialog_.ViewBtn->text(), "&View");
  EXPECT_EQ(dialog_.ReportBtn->text(), "&Report");

  // Fresh state.
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : None.");
  EXPECT_FALSE(dialog_.ResultsLabel->isEnabled());
  EXPECT_EQ(dialog_.ResultList->count(), 0);
  EXPECT_TRUE(dialog_.ResultList->isEnabled());
  EXPECT_FALSE(ResultButtons());
  EXPECT_EQ(dialog_.SearchCombo->count(), 0);
  EXPECT_TRUE(dialog_.SearchCombo->Complete);
  EXPECT_EQ(dialog_.SearchCombo->MinLengthComplete, 0);
  EXPECT_TRUE(dialog_.IncludeAllCheck->isChecked());
  EXPECT_FALSE(dialog_.ChapterCombo->isEnabled());
  EXPECT_EQ(dialog_.ChapterCombo->currentIndex(), 0);
  EXPECT_EQ(dialog_.ChapterCombo->count(), 115);
  EXPECT_EQ(dialog_.ChapterCombo->itemText(0), "Lumivra");
  EXPECT_EQ(dialog_.ChapterCombo->itemText(21), "21 Al-Anbiyaa ");
  EXPECT_EQ(dialog_.ChapterCombo->maxVisibleItems(), 12);
}

TEST_F(SearchDialogTest, ChapterListDropsDownTwelveRows) {
  Show();
  QComboBox* combo = dialog_.ChapterCombo;
  combo->setEnabled(true);
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  ASSERT_TRUE(lumivra::testing::WaitUntil([&] { return view->isVisible(); }));
  EXPECT_EQ(view->viewport()->height() / view->sizeHintForRow(0), 12);
  combo->hidePopup();
}

TEST_F(SearchDialogTest, TabOrderFollowsTheTable) {
  const std::vector<QWidget*> expected{dialog_.SearchCombo, dialog_.FindBtn,   dialog_.ResetStopBtn,
                                       dialog_.CancelBtn,   dialog_.IncludeAllCheck, dialog_.ResultList,
                                       dialog_.GotoBtn,     dialog_.ViewBtn,   dialog_.ReportBtn,
                                       dialog_.ChapterCombo};
  std::vector<QWidget*> chain;
  QWidget* w = dialog_.SearchCombo;
  for (int guard = 0; guard < 100 && chain.size() < expected.size(); ++guard, w = w->nextInFocusChain())
    if (std::find(expected.begin(), expected.end(), w) != expected.end() &&
        std::find(chain.begin(), chain.end(), w) == chain.end())
      chain.push_back(w);
  EXPECT_EQ(chain, expected);
}

TEST_F(SearchDialogTest, ResultsNothingFoundAndResultsAgain) {
  Show();
  Find("mercy");
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 5.");  // "Merciful" is not "mercy"
  EXPECT_TRUE(dialog_.ResultsLabel->isEnabled());
  ASSERT_EQ(dialog_.ResultList->count(), 5);
  EXPECT_EQ(dialog_.ResultList->item(0)->text(), "Surah/Chapter 002 - Al-Baqarah. Ayat/Verse : 100.");
  EXPECT_EQ(dialog_.ResultList->item(3)->text(), QString::fromUtf8("Surah/Chapter 003 - Al-Imrân. Ayat/Verse : 1."));
  EXPECT_TRUE(dialog_.ResultList->isEnabled());
  EXPECT_TRUE(ResultButtons());

  Find("nowhere at all");
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 0.");
  EXPECT_FALSE(dialog_.ResultsLabel->isEnabled());
  EXPECT_EQ(dialog_.ResultList->count(), 0);
  EXPECT_FALSE(dialog_.ResultList->isEnabled());
  EXPECT_FALSE(ResultButtons());
  EXPECT_TRUE(InputHasFocus(dialog_));

  Find("guide");
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 1.");
  EXPECT_TRUE(dialog_.ResultsLabel->isEnabled());
  EXPECT_TRUE(dialog_.ResultList->isEnabled());
  EXPECT_TRUE(ResultButtons());
}

TEST_F(SearchDialogTest, FillingShowsTheFullCountAndDisabledButtons) {
  Show();
  QString label;
  int linesThen = 0;
  bool buttonsThen = true;
  WhenLines(dialog_, 3, [&] {
    label = dialog_.ResultsLabel->text();
    linesThen = dialog_.ResultList->count();
    buttonsThen = dialog_.GotoBtn->isEnabled() || dialog_.ViewBtn->isEnabled() || dialog_.ReportBtn->isEnabled();
    EXPECT_TRUE(dialog_.Filling());
  });
  Find("verse");
  EXPECT_EQ(label, "Found : 300.");
  EXPECT_GE(linesThen, 3);
  EXPECT_LT(linesThen, 300);
  EXPECT_FALSE(buttonsThen);
  EXPECT_EQ(dialog_.ResultList->count(), 300);
  EXPECT_TRUE(ResultButtons());
  EXPECT_FALSE(dialog_.Filling());
}

TEST_F(SearchDialogTest, ResetStopsTheFillAndResetsTheDialog) {
  Show();
  dialog_.IncludeAllCheck->setChecked(false);
  dialog_.ChapterCombo->setCurrentIndex(2);
  WhenLines(dialog_, 5, [&] { dialog_.ResetStopBtn->click(); });
  Find("verse");
  EXPECT_EQ(dialog_.ResultList->count(), 0);
  EXPECT_FALSE(dialog_.ResultList->isEnabled());
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : None.");
  EXPECT_FALSE(dialog_.ResultsLabel->isEnabled());
  EXPECT_FALSE(ResultButtons());
  EXPECT_TRUE(dialog_.Search().FoundPositions().empty());
  EXPECT_TRUE(dialog_.IncludeAllCheck->isChecked());
  EXPECT_EQ(dialog_.ChapterCombo->currentIndex(), 0);
  EXPECT_FALSE(dialog_.ChapterCombo->isEnabled());
  EXPECT_EQ(dialog_.SearchCombo->currentText(), "");
  EXPECT_EQ(History(), QStringList{"verse"});
  EXPECT_TRUE(InputHasFocus(dialog_));
}

TEST_F(SearchDialogTest, ResetRightAfterTheCountEndsTheFillCleanly) {
  Show();
  // Pressed in the yield that follows the count, before any line exists.
  QTimer::singleShot(0, &dialog_, [&] { dialog_.ResetStopBtnClick(); });
  Find("verse");
  EXPECT_EQ(dialog_.ResultList->count(), 0);
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : None.");
}

TEST_F(SearchDialogTest, CancelStopsTheFillKeepsItsLinesAndReopens) {
  int linesAtCancel = 0;
  QTimer::singleShot(0, &dialog_, [&] {
    WhenLines(dialog_, 4, [&] {
      linesAtCancel = dialog_.ResultList->count();
      dialog_.CancelBtn->click();
    });
    Find("verse");
  });
  dialog_.exec();
  EXPECT_FALSE(dialog_.isVisible());
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 300.");
  EXPECT_TRUE(dialog_.ResultsLabel->isEnabled());
  EXPECT_EQ(dialog_.ResultList->count(), linesAtCancel);  // ends after the current line
  EXPECT_FALSE(ResultButtons());
  EXPECT_FALSE(dialog_.GotoChosen());

  // Reopened: the same count and lines; Goto stays unavailable.
  QString labelOnReopen;
  int linesOnReopen = -1;
  bool focusOnReopen = false;
  QTimer::singleShot(0, &dialog_, [&] {
    labelOnReopen = dialog_.ResultsLabel->text();
    linesOnReopen = dialog_.ResultList->count();
    focusOnReopen = InputHasFocus(dialog_);
    dialog_.CancelBtnClick();
  });
  dialog_.exec();
  EXPECT_EQ(labelOnReopen, "Found : 300.");
  EXPECT_EQ(linesOnReopen, linesAtCancel);
  EXPECT_TRUE(focusOnReopen);
  EXPECT_FALSE(ResultButtons());
  EXPECT_EQ(History(), QStringList{"verse"});
}

TEST_F(SearchDialogTest, ANewSearchDuringAFillReplacesItsResults) {
  Show();
  WhenLines(dialog_, 5, [&] { Find("mercy"); });
  Find("verse");
  // Only the second search's lines remain: the first fill added nothing after it.
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 5.");
  ASSERT_EQ(dialog_.ResultList->count(), 5);
  EXPECT_EQ(dialog_.Search().FoundPositions().size(), 5u);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(dialog_.ResultList->item(i)->text().toStdString(),
              lumivra::Cp1252ToUtf8(dialog_.Search().RecordResultLine(dialog_.Search().FoundPositions()[i])));
  EXPECT_TRUE(ResultButtons());
  EXPECT_EQ(History(), (QStringList{"verse", "mercy"}));
}

TEST_F(SearchDialogTest, TheCloseBoxWaitsForTheFill) {
  bool visibleAfterClose = false;
  QTimer::singleShot(0, &dialog_, [&] {
    WhenLines(dialog_, 4, [&] {
      dialog_.reject();  // what the title bar's close box does
      visibleAfterClose = dialog_.isVisible();
    });
    Find("verse");
  });
  dialog_.exec();
  EXPECT_TRUE(visibleAfterClose);
  EXPECT_FALSE(dialog_.isVisible());
  EXPECT_EQ(dialog_.ResultList->count(), 300);
  EXPECT_TRUE(ResultButtons());
}

TEST_F(SearchDialogTest, HistoryStoresTrimmedTextsOnceIgnoringCase) {
  Show();
  Find(" mercy ");
  EXPECT_EQ(History(), QStringList{"mercy"});
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 5.");
  Find("MERCY");
  EXPECT_EQ(History(), QStringList{"mercy"});
  EXPECT_EQ(dialog_.SearchCombo->currentText(), "MERCY");  // searched as typed
  Find("Verse 1");
  EXPECT_EQ(History(), (QStringList{"mercy", "Verse 1"}));
  EXPECT_EQ(dialog_.SearchCombo->currentText(), "Verse 1");
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 111.");  // verse 1, 10-19, 100-199
}

TEST_F(SearchDialogTest, BlankTextSearchesNothing) {
  Show();
  Find("mercy");
  Find("   ");
  EXPECT_EQ(dialog_.SearchCombo->currentText(), "");
  EXPECT_EQ(History(), QStringList{"mercy"});
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 5.");  // the last results stay
  EXPECT_TRUE(InputHasFocus(dialog_));
}

TEST_F(SearchDialogTest, EnterInTheSearchBoxIsFindNow) {
  Show();
  dialog_.SearchCombo->setFocus();
  QTest::keyClicks(dialog_.SearchCombo->lineEdit(), "guide");
  QTest::keyClick(dialog_.SearchCombo->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 1.");
  EXPECT_EQ(History(), QStringList{"guide"});
  EXPECT_EQ(dialog_.focusWidget(), dialog_.FindBtn);
  EXPECT_TRUE(dialog_.isVisible());

  // Typed again, the history completes it; Enter accepts the proposal.
  dialog_.SearchCombo->setFocus();
  dialog_.SearchCombo->setEditText(QString());
  QTest::keyClicks(dialog_.SearchCombo->lineEdit(), "gu");
  EXPECT_EQ(dialog_.SearchCombo->currentText(), "guide");
  QTest::keyClick(dialog_.SearchCombo->lineEdit(), Qt::Key_Enter);
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 1.");
}

TEST_F(SearchDialogTest, ArabicTypedSearchesTheArabicAndStaysInTheHistory) {
  const auto arabic = PeResourceFile::FromBytes(lumivra::testing::ArabicImage(
      {{1, {"بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ", "ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ", "ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"}}}));
  dialog_.SetArabicLibrary(arabic.get());
  std::string viewed;
  bool viewedArabic = false;
  dialog_.ViewHandler = [&](TSearchDlg& d) {
    viewed = d.SearchText();
    viewedArabic = d.SearchTextIsArabic();
  };
  Show();
  const QString rahman = QString::fromUtf8("الرحمن");
  TypeText(dialog_.SearchCombo->lineEdit(), rahman);
  QTest::keyClick(dialog_.SearchCombo->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 2.");
  ASSERT_EQ(dialog_.ResultList->count(), 2);
  EXPECT_EQ(dialog_.ResultList->item(1)->text(), QString::fromUtf8("Surah/Chapter 001 - Al-Fâtihah. Ayat/Verse : 3."));
  EXPECT_EQ(History(), QStringList{rahman});
  dialog_.ResultList->setCurrentRow(0);
  dialog_.ViewBtnClick();
  EXPECT_EQ(viewed, "\xD8\xA7\xD9\x84\xD8\xB1\xD8\xAD\xD9\x85\xD9\x86");  // UTF-8
  EXPECT_TRUE(viewedArabic);

  // The history completes Arabic; another word of that length is a new item.
  dialog_.SearchCombo->setFocus();
  dialog_.SearchCombo->setEditText(QString());
  TypeText(dialog_.SearchCombo->lineEdit(), QString::fromUtf8("الر"));
  EXPECT_EQ(dialog_.SearchCombo->currentText(), rahman);
  EXPECT_EQ(dialog_.SearchCombo->lineEdit()->selectedText(), QString::fromUtf8("حمن"));
  Find(QString::fromUtf8("  الرحيم"));
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 2.");
  EXPECT_EQ(History(), (QStringList{rahman, QString::fromUtf8("الرحيم")}));
  Find(QString::fromUtf8("رب العالمين"));  // the small alef read as an alef
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 1.");
  Find("mercy");  // the translation, as before
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 5.");
  EXPECT_FALSE(dialog_.SearchTextIsArabic());
}

TEST_F(SearchDialogTest, OnlyAFocusedButtonIsTheActiveDefault) {
  Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog_));
  for (TCorelButton* b : {dialog_.FindBtn, dialog_.ResetStopBtn, dialog_.CancelBtn}) EXPECT_FALSE(b->activeDefault());
  dialog_.CancelBtn->setFocus();
  EXPECT_TRUE(dialog_.CancelBtn->activeDefault());
  EXPECT_FALSE(dialog_.FindBtn->activeDefault());
  dialog_.IncludeAllCheck->click();
  dialog_.ChapterCombo->setFocus();
  EXPECT_FALSE(dialog_.CancelBtn->activeDefault());
  // Enter outside the search box starts nothing.
  dialog_.SearchCombo->setEditText("mercy");
  QTest::keyClick(dialog_.ChapterCombo, Qt::Key_Return);
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : None.");
  EXPECT_TRUE(dialog_.isVisible());
  // Enter on a focused button clicks it.
  dialog_.FindBtn->setFocus();
  EXPECT_TRUE(dialog_.FindBtn->activeDefault());
  QTest::keyClick(dialog_.FindBtn, Qt::Key_Return);
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 5.");
}

TEST_F(SearchDialogTest, IncludeAllBoxAndItsLabelDecideTheScope) {
  Show();
  QTest::mouseClick(dialog_.IncludeLabel, Qt::LeftButton);
  EXPECT_FALSE(dialog_.IncludeAllCheck->isChecked());
  EXPECT_TRUE(dialog_.ChapterCombo->isEnabled());
  EXPECT_EQ(dialog_.ChapterCombo->currentIndex(), 0);
  Find("mercy");
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 5.");  // unchecking alone does not narrow

  dialog_.ChapterCombo->setCurrentIndex(2);
  Find("mercy");
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 3.");
  dialog_.ChapterCombo->setCurrentIndex(3);
  Find("mercy");
  EXPECT_EQ(dialog_.ResultsLabel->text(), "Found : 2.");

  QTest::mouseClick(dialog_.IncludeLabel, Qt::LeftButton);
  EXPECT_TRUE(dialog_.IncludeAllCheck->isChecked());
  EXPECT_FALSE(dialog_.ChapterCombo->isEnabled());
  EXPECT_EQ(dialog_.ChapterCombo->currentIndex(), 0);
  dialog_.IncludeAllCheck->click();
  EXPECT_FALSE(dialog_.IncludeAllCheck->isChecked());
  EXPECT_EQ(dialog_.ChapterCombo->currentIndex(), 0);
}

TEST_F(SearchDialogTest, DoubleClickCallsTheViewAndKeepsTheDialogOpen) {
  Show();
  Find("mercy");
  int views = 0, selectedThen = -1;
  dialog_.ViewHandler = [&](TSearchDlg& d) {
    ++views;
    selectedThen = d.SelectedResult();
  };
  QListWidget* list = dialog_.ResultList;
  const QPoint at = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(views, 1);
  EXPECT_EQ(selectedThen, 1);
  EXPECT_TRUE(dialog_.isVisible());
  EXPECT_FALSE(dialog_.GotoChosen());

  dialog_.ViewBtn->click();
  EXPECT_EQ(views, 2);
  list->clearSelection();
  dialog_.ViewBtn->click();  // no selection: nothing
  EXPECT_EQ(views, 2);

  int reports = 0;
  dialog_.ReportHandler = [&](TSearchDlg&) { ++reports; };
  dialog_.ReportBtn->click();
  EXPECT_EQ(reports, 1);
}

TEST_F(SearchDialogTest, GotoClosesAndLocatesTheChosenVerse) {
  int locatedChapter = 0;
  std::string locatedRef;
  auto locate = [&](int chapter, const std::string& ref) {
    locatedChapter = chapter;
    locatedRef = ref;
  };
  QTimer::singleShot(0, &dialog_, [&] {
    Find("mercy");
    dialog_.GotoBtn->click();  // no selection: stays open
    EXPECT_TRUE(dialog_.isVisible());
    dialog_.ResultList->setCurrentRow(2);
    dialog_.GotoBtn->click();
  });
  QImage wallpaper(64, 64, QImage::Format_RGB32);
  wallpaper.fill(Qt::darkCyan);
  dialog_.Execute(file_.get(), wallpaper, locate);
  EXPECT_TRUE(dialog_.GotoChosen());
  EXPECT_EQ(dialog_.ChosenVerseRef(), "2:300");
  EXPECT_EQ(dialog_.ChosenChapter(), 2);
  EXPECT_EQ(locatedChapter, 2);
  EXPECT_EQ(locatedRef, "2:300");
  EXPECT_EQ(dialog_.MainPanel->jTexture().pixelColor(3, 3), QColor(Qt::darkCyan));

  // Opening again clears the choice; closing without Goto locates nothing.
  locatedChapter = 0;
  QTimer::singleShot(0, &dialog_, [&] {
    EXPECT_FALSE(dialog_.GotoChosen());
    dialog_.CancelBtn->click();
  });
  dialog_.Execute(file_.get(), wallpaper, locate);
  EXPECT_FALSE(dialog_.GotoChosen());
  EXPECT_EQ(locatedChapter, 0);
  EXPECT_EQ(dialog_.ResultList->count(), 5);
  EXPECT_TRUE(ResultButtons());  // the last fill completed
}

TEST_F(SearchDialogTest, TheFirstArrowKeySelectsTheFirstLine) {
  Show();
  Find("mercy");
  dialog_.ResultList->setFocus();
  QTest::keyClick(dialog_.ResultList, Qt::Key_Down);
  EXPECT_EQ(dialog_.SelectedResult(), 0);
  QTest::keyClick(dialog_.ResultList, Qt::Key_Down);
  EXPECT_EQ(dialog_.SelectedResult(), 1);
}

TEST(SearchDialogOpening, NoTranslationFileNoDialog) {
  TSearchDlg dialog;
  bool shown = false;
  QTimer::singleShot(0, &dialog, [&] {
    shown = dialog.isVisible();
    dialog.reject();
  });
  dialog.Execute(nullptr, QImage(), [](int, const std::string&) {});
  QApplication::processEvents();
  EXPECT_FALSE(shown);
}

TEST(SearchDialogOpening, AMissingChapterIsReportedAndLaterOpeningsSearchWhatWasRead) {
  auto file = lumivra::testing::MakeTranslation({{1, "mercy\r\n"}, {3, "mercy\r\n"}}, {2});
  TSearchDlg dialog;
  EXPECT_THROW(dialog.Execute(file.get(), QImage(), {}), lumivra::ContentError);
  EXPECT_FALSE(dialog.isVisible());
  QTimer::singleShot(0, &dialog, [&] {
    dialog.SearchCombo->setEditText("mercy");
    dialog.FindBtnClick();
    dialog.CancelBtnClick();
  });
  dialog.Execute(file.get(), QImage(), {});
  EXPECT_EQ(dialog.ResultsLabel->text(), "Found : 1.");
}

TEST_F(SearchDialogTest, ResultLinesShowTheMagnifierOnTheLineBrush) {
  Show();
  QPalette pal = dialog_.ResultList->palette();
  pal.setColor(QPalette::Base, QColor(255, 255, 0));
  dialog_.ResultList->setPalette(pal);
  Find("guide");
  QListWidget* list = dialog_.ResultList;
  const QRect item = list->visualItemRect(list->item(0));
  EXPECT_EQ(item.height(), 17);
  QImage image(list->viewport()->size(), QImage::Format_RGB32);
  list->viewport()->render(&image);
  int white = 0, dark = 0;
  for (int y = item.top() + 1; y < item.top() + 16; ++y)
    for (int x = item.left() + 2; x < item.left() + 18; ++x) {
      const QColor c = image.pixelColor(x, y);
      white += c == QColor(Qt::white);
      dark += c.lightness() < 200;
    }
  EXPECT_EQ(white, 0);  // white shows the brush
  EXPECT_GT(dark, 5);   // the glass itself
  // The text starts 24 pixels from the left edge.
  bool textBefore = false, textAfter = false;
  for (int y = item.top(); y <= item.bottom(); ++y) {
    for (int x = item.left() + 18; x < item.left() + 24; ++x) textBefore |= image.pixelColor(x, y) != QColor(255, 255, 0);
    for (int x = item.left() + 24; x < item.left() + 40; ++x) textAfter |= image.pixelColor(x, y).lightness() < 128;
  }
  EXPECT_FALSE(textBefore);
  EXPECT_TRUE(textAfter);
  // A chapter name's soft hyphen is drawn as a hyphen.
  const auto* delegate = qobject_cast<QStyledItemDelegate*>(list->itemDelegate());
  ASSERT_NE(delegate, nullptr);
  EXPECT_EQ(delegate->displayText(QString::fromUtf8("036 - Y\xC3\xA2\xC2\xADS\xC3\xAEn"), {}),
            QString::fromUtf8("036 - Y\xC3\xA2-S\xC3\xAEn"));
}
