#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWheelEvent>

#include "app/Splitter.h"
#include "browser/ReaderPage.h"
#include "browser/TextSize.h"
#include "content/ChapterCatalogue.h"
#include "content/Cp1252.h"
#include "content/Maker.h"
#include "controls/Mark.h"
#include "skin/TepSchemeButton.h"
#include "skin/TepSchemeForm.h"
#include "skin/TepSchemePanel.h"
#include "tests/app/ReaderTestSupport.h"

using namespace lumivra;
using namespace lumivra::testing;

namespace {

QString Utf8(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

constexpr char kCountBlocks[] = "document.querySelectorAll('font.f2').length";
constexpr char kCountArabic[] = "document.querySelectorAll('font.a1,font.a2').length";
constexpr char kCountText[] = "document.querySelectorAll('font.f1,font.g1').length";

}  // namespace

// --- Start-up --------------------------------------------------------------

TEST_F(ReaderTest, StartsWithoutMessagesOnTheTitlePageWithTheBookNodeOpen) {
  TMainForm& form = Open();
  EXPECT_TRUE(boxes_.boxes.empty());
  EXPECT_EQ(form.windowTitle(), "Lumivra.");
  EXPECT_EQ(CurrentKey(), "Olvar~0");
  EXPECT_TRUE(form.NodeAtAbsolutePosition(1)->isExpanded());
  EXPECT_FALSE(form.NodeAtAbsolutePosition(0)->isExpanded());
  EXPECT_EQ(PageUrl(), "res://olvar.exe/mainolvarpage_default");
  EXPECT_EQ(form.ViewOption, 0);
  EXPECT_EQ(form.ThemeType, 0);
  EXPECT_EQ(form.InitODefaultPage, 0);
  EXPECT_EQ(form.ThemeMenuColor, 0xFFFFFFu);
  EXPECT_TRUE(form.ShowLoading);
  EXPECT_TRUE(form.TransliterationAvailable());
}

TEST_F(ReaderTest, MissingArabicFileWarnsAndOnlyTheArabicOptionFails) {
  TMainForm& form = Open({kArabicFile});
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes_.boxes[0].title, "Warning");
  EXPECT_EQ(boxes_.boxes[0].text, "Warning : Failed to load core file ARef32.dll.");
  EXPECT_EQ(form.Content().ArabicLibrary(), nullptr);

  ShowNode(3);  // chapter 2, option 0: no Arabic lines for the translation's verses
  ASSERT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes[1].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes_.boxes[1].title, "Lumivra");
  EXPECT_EQ(boxes_.boxes[1].text, "List index out of bounds (0).");

  form.ViewOption = 1;
  form.TreeViewChange();
  ASSERT_TRUE(WaitForPage());
  form.ViewOption = 2;
  ShowNode(4);
  EXPECT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(ChapterTitle(), Utf8(ChapterLongName("3")).toStdString());
  EXPECT_GT(EvalInt(kCountBlocks), 0);
}

TEST_F(ReaderTest, MissingTranslationFileWarnsAndChapterPagesHaveNoVerses) {
  TMainForm& form = Open({kTranslationFile});
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].title, "Warning");
  EXPECT_EQ(boxes_.boxes[0].text, "Warning : Failed to load core file ETRRef32.dll.");
  form.ViewOption = 2;
  ShowNode(3);
  EXPECT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(ChapterTitle(), Utf8(ChapterLongName("2")).toStdString());
  EXPECT_EQ(EvalInt(kCountBlocks), 0);
}

TEST_F(ReaderTest, MissingInformationFileOnlyWarnsAndMissingTransliterationFileIsSilent) {
  {
    Open({kInfoFile});
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes_.boxes[0].text, "Warning : Failed to core load file SIRef32.dll.");
    ShowNode(3);
    EXPECT_EQ(EvalInt(kCountArabic), 286);
  }
  form_.reset();
  boxes_.boxes.clear();
  std::filesystem::remove(kTransliterationFile);
  CopyCoreFile(kInfoFile, kInfoFile);
  TMainForm& form = Create();
  EXPECT_TRUE(boxes_.boxes.empty());
  EXPECT_FALSE(form.TransliterationAvailable());
  ShowNode(3);
  EXPECT_EQ(EvalInt(kCountArabic), 286);
}

TEST_F(ReaderTest, AllCoreFilesMissingGiveThreeWarningsInOrderAndTheWindowStillWorks) {
  TMainForm& form = Open({kArabicFile, kTranslationFile, kTransliterationFile, kInfoFile});
  ASSERT_EQ(boxes_.boxes.size(), 3u);
  EXPECT_TRUE(boxes_.boxes[0].text.contains("ARef32.dll"));
  EXPECT_TRUE(boxes_.boxes[1].text.contains("ETRRef32.dll"));
  EXPECT_TRUE(boxes_.boxes[2].text.contains("SIRef32.dll"));
  ShowNode(0);
  EXPECT_EQ(PageUrl(), "res://olvar.exe/homepage");
  EXPECT_EQ(form.TreeView->topLevelItemCount(), 2);
}

TEST_F(ReaderTest, CoreFilesBesideTheProgramServeAnyWorkingFolder) {
  coreFolders_ = CoreFileFolders();
  TMainForm& form = Create(false);
  EXPECT_TRUE(boxes_.boxes.empty());
  EXPECT_TRUE(form.TransliterationAvailable());
  ShowNode(3);
  EXPECT_EQ(EvalInt(kCountArabic), 286);
  form.close();
  EXPECT_TRUE(std::filesystem::exists("Settings.ini"));  // still in the working folder
}

// --- Tree --------------------------------------------------------------------

TEST_F(ReaderTest, TreeHoldsCaptionsKeysAndPositionsOfEveryNode) {
  TMainForm& form = Open({}, false);
  ASSERT_EQ(form.TreeView->topLevelItemCount(), 2);
  QTreeWidgetItem* maker = form.NodeAtAbsolutePosition(0);
  QTreeWidgetItem* book = form.NodeAtAbsolutePosition(1);
  EXPECT_EQ(maker->text(0), "Telvarin Solutions");
  EXPECT_EQ(TMainForm::NodeKeyOf(maker), "Home");
  EXPECT_EQ(maker->childCount(), 0);
  EXPECT_EQ(book->text(0), "Lumivra");
  EXPECT_EQ(TMainForm::NodeKeyOf(book), "Olvar~0");
  ASSERT_EQ(book->childCount(), 114);
  for (int n = 1; n <= 114; ++n) {
    QTreeWidgetItem* node = form.NodeAtAbsolutePosition(n + 1);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->parent(), book);
    EXPECT_EQ(TMainForm::NodeKeyOf(node), "Olvar~" + std::to_string(n));
    EXPECT_EQ(node->text(0), Utf8(ChapterListName(n - 1)));
    EXPECT_EQ(form.AbsolutePositionOf(node), n + 1);
  }
  EXPECT_EQ(form.NodeAtAbsolutePosition(115)->text(0), QString::fromUtf8("114 - An-N\xC3\xA2s"));
  EXPECT_EQ(form.NodeAtAbsolutePosition(116), nullptr);
  // Soft hyphen in the list form of chapter 20.
  EXPECT_EQ(form.NodeAtAbsolutePosition(21)->text(0), QString::fromUtf8("020 - T\xC3\xA2\xC2\xADH\xC3\xA2"));
  // and drawn as a hyphen.
  const auto* delegate = qobject_cast<QStyledItemDelegate*>(form.TreeView->itemDelegate());
  ASSERT_NE(delegate, nullptr);
  EXPECT_EQ(delegate->displayText(form.NodeAtAbsolutePosition(21)->text(0), {}),
            QString::fromUtf8("020 - T\xC3\xA2-H\xC3\xA2"));
  // Each node has its picture; the three differ.
  const QImage makerIcon = maker->icon(0).pixmap(16, 16).toImage();
  const QImage bookIcon = book->icon(0).pixmap(16, 16).toImage();
  const QImage chapterIcon = form.NodeAtAbsolutePosition(2)->icon(0).pixmap(16, 16).toImage();
  EXPECT_FALSE(makerIcon.isNull());
  EXPECT_NE(makerIcon, bookIcon);
  EXPECT_NE(bookIcon, chapterIcon);
}

TEST_F(ReaderTest, OnlyTheLastSelectionWithinTheChangeDelayIsShown) {
  TMainForm& form = Open();
  ShowNode(3);
  std::vector<std::string> loads;
  QObject::connect(form.WebBrowser, &QWebEngineView::loadStarted,
                   [&] { loads.push_back("started"); });
  // Home, then chapter 5 at once: the home page is never loaded.
  form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(0));
  form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(6));
  ASSERT_TRUE(WaitForPage());
  QTest::qWait(50);
  EXPECT_TRUE(loads.empty());
  EXPECT_EQ(ChapterTitle(), Utf8(ChapterLongName("5")).toStdString());
}

// --- Navigation -------------------------------------------------------------

TEST_F(ReaderTest, PreviousAndNextWalkTheWholeTreeAndStopAtBothEnds) {
  TMainForm& form = Open();
  form.NodeAtAbsolutePosition(1)->setExpanded(false);  // collapsed or not: same order
  form.ForwardBtnClick();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~1");
  form.BackBtnClick();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~0");
  form.miPreviousChapterClick();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Home");
  EXPECT_EQ(PageUrl(), "res://olvar.exe/homepage");
  form.BackBtnClick();  // nothing before the maker node
  QTest::qWait(20);
  EXPECT_EQ(CurrentKey(), "Home");
  form.miNextChapterClick();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~0");

  form.ViewOption = 2;
  ShowNode(115);
  EXPECT_EQ(ChapterTitle(), Utf8(ChapterLongName("114")).toStdString());
  form.ForwardBtnClick();  // nothing after chapter 114
  QTest::qWait(20);
  EXPECT_EQ(CurrentKey(), "Olvar~114");
  form.BackBtnClick();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(ChapterTitle(), Utf8(ChapterLongName("113")).toStdString());

  form.TreeView->setCurrentItem(nullptr);
  form.ForwardBtnClick();
  form.BackBtnClick();
  EXPECT_EQ(form.TreeView->currentItem(), nullptr);
}

TEST_F(ReaderTest, ToolbarButtonsAndFunctionKeysReachTheirCommands) {
  TMainForm& form = Open();
  EXPECT_EQ(form.HomeBtn->geometry(), QRect(5, 8, 31, 31));
  EXPECT_EQ(form.HelpBtn->geometry(), QRect(307, 8, 31, 31));
  EXPECT_EQ(form.ToolPanel->height(), 48);
  QTest::mouseClick(form.HomeBtn, Qt::LeftButton, {}, QPoint(15, 15));
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Home");
  // A press dragged off the button before release is no click.
  QTest::mousePress(form.ForwardBtn, Qt::LeftButton, {}, QPoint(15, 15));
  QMouseEvent move(QEvent::MouseMove, QPointF(60, 15), form.ForwardBtn->mapToGlobal(QPointF(60, 15)),
                   Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(form.ForwardBtn, &move);
  QTest::mouseRelease(form.ForwardBtn, Qt::LeftButton, {}, QPoint(60, 15));
  QTest::qWait(20);
  EXPECT_EQ(CurrentKey(), "Home");

  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_F6);
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~0");
  QTest::keyClick(&form, Qt::Key_F6);
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~1");
  // Go Back and Go Forward have the browser's keys.
  QTest::keyClick(&form, Qt::Key_Right, Qt::AltModifier);
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~2");
  QTest::keyClick(&form, Qt::Key_Left, Qt::AltModifier);
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~1");
  QTest::keyClick(&form, Qt::Key_F5);
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Home");
  // Home on the maker node: no change notification, no reload.
  int loads = 0;
  QObject::connect(form.WebBrowser, &QWebEngineView::loadStarted, [&] { ++loads; });
  form.miHomePageClick();
  QTest::qWait(50);
  EXPECT_EQ(loads, 0);
}

TEST_F(ReaderTest, ChapterListingsHideTheTreeAndSplitterWhileNavigationGoesOn) {
  TMainForm& form = Open();
  ASSERT_TRUE(form.miChapterListings->isChecked());
  form.miChapterListings->trigger();
  EXPECT_TRUE(form.TreeView->isHidden());
  EXPECT_FALSE(form.miChapterListings->isChecked());
  EXPECT_FALSE(form.Splitter->isEnabled());
  QTest::qWait(20);
  EXPECT_EQ(form.WebBrowser->width(), form.MainPanel->contentsRect().width());
  form.ForwardBtnClick();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~1");
  form.miChapterListings->trigger();
  EXPECT_FALSE(form.TreeView->isHidden());
  EXPECT_TRUE(form.miChapterListings->isChecked());
  EXPECT_TRUE(form.Splitter->isEnabled());
}

TEST_F(ReaderTest, TitlePageFollowsInitODefaultPage) {
  TMainForm& form = Open();
  for (int value : {1, 0, 2, -1}) {
    form.InitODefaultPage = value;
    ShowNode(0);
    ShowNode(1);
    EXPECT_EQ(PageUrl(), value == 1 ? "res://olvar.exe/mainolvarpage"
                                    : "res://olvar.exe/mainolvarpage_default")
        << value;
  }
}

TEST_F(ReaderTest, HomePageLinksOpenOutsideTheReaderAndThePaneStays) {
  TMainForm& form = Open();
  auto* page = qobject_cast<TReaderPage*>(form.WebBrowser->page());
  ASSERT_NE(page, nullptr);
  std::vector<QUrl> opened;
  page->OpenExternally = [&](const QUrl& url) { opened.push_back(url); };
  ShowNode(0);
  ASSERT_EQ(PageUrl(), "res://olvar.exe/homepage");

  // (mail addresses go to the desktop through the engine itself)
  Eval("document.querySelector('a[href$=\"/news/productnews.html\"]').click(); 0");
  for (int waited = 0; opened.empty() && waited < 5000; waited += 50) QTest::qWait(50);
  QTest::qWait(100);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toString().toStdString(),
            std::string(kMakerWebAddress) + "/news/productnews.html");
  EXPECT_EQ(PageUrl(), "res://olvar.exe/homepage");

}

// --- Chapter pages ----------------------------------------------------------

TEST_F(ReaderTest, EachDisplayOptionShowsItsTextsAndAnUnknownOptionLeavesThePane) {
  TMainForm& form = Open();
  StringList translation;
  form.Content().LoadChapterLines(TextKind::Translation, "2", translation);
  const int verses = static_cast<int>(translation.size());
  ASSERT_EQ(verses, 286);

  ShowNode(3);
  EXPECT_EQ(ChapterTitle(), "2. Al-Baqarah : The Cow");
  EXPECT_EQ(EvalInt(kCountBlocks), verses);
  EXPECT_EQ(EvalInt(kCountArabic), verses);
  EXPECT_EQ(EvalInt(kCountText), verses + 2);  // title and opening line
  EXPECT_EQ(Eval("document.querySelectorAll('font.f2')[285].textContent"), "2:286");
  EXPECT_EQ(Eval("getComputedStyle(document.querySelector('font.a2')).fontSize"), "26px");

  form.ViewOption = 1;
  form.TreeViewChange();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(EvalInt(kCountArabic), 0);
  EXPECT_EQ(EvalInt(kCountText), 2 * verses + 2);
  StringList transliteration;
  form.Content().LoadChapterLines(TextKind::Transliteration, "2", transliteration);
  EXPECT_EQ(Eval("document.querySelectorAll('font.g1')[0].innerHTML"),
            Cp1252ToUtf8(transliteration[0]));

  form.ViewOption = 2;
  form.TreeViewChange();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(EvalInt(kCountText), verses + 2);
  EXPECT_EQ(EvalInt(kCountBlocks), verses);
  EXPECT_EQ(Eval("document.querySelectorAll('font.g1')[0].innerHTML"),
            Cp1252ToUtf8(translation[0]));

  form.ViewOption = 3;
  Eval("window.marker = 42");
  ShowNode(5);
  EXPECT_EQ(ChapterTitle(), "2. Al-Baqarah : The Cow");
  EXPECT_EQ(Eval("String(window.marker)"), "42");
  ShowNode(0);
  EXPECT_EQ(PageUrl(), "res://olvar.exe/homepage");
  ShowNode(1);
  EXPECT_EQ(PageUrl(), "res://olvar.exe/mainolvarpage_default");
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(ReaderTest, MissingTransliterationResourceLeavesThePlaceholderAndReportsTheError) {
  // A transliteration file that holds no transliteration resource at all.
  ReaderTest::CopyCoreFile(kArabicFile, kTransliterationFile);
  for (const char* name : {kArabicFile, kTranslationFile, kInfoFile}) CopyCoreFile(name, name);
  TMainForm& form = Create();
  form.ViewOption = 1;
  ShowNode(8);
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes_.boxes[0].title, "Lumivra");
  EXPECT_EQ(boxes_.boxes[0].text, "Resource TL7 not found.");
  EXPECT_EQ(Eval("document.body.innerText"), "\xC2\xA0Loading...");
  EXPECT_EQ(Eval("document.querySelector('font').getAttribute('color')"), "#404040");
  // Without the placeholder the previous page stays.
  form.ViewOption = 2;
  ShowNode(3);
  form.ShowLoading = false;
  form.ViewOption = 1;
  ShowNode(4);
  EXPECT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(ChapterTitle(), "2. Al-Baqarah : The Cow");
}

TEST_F(ReaderTest, ErrorReportAddsAFullStopOnlyWhenMissing) {
  TMainForm& form = Open({}, false);
  form.ShowApplicationError("Resource TL7 not found");
  form.ShowApplicationError("Already ends.");
  form.ShowApplicationError("Caf\xE9");
  ASSERT_EQ(boxes_.boxes.size(), 3u);
  EXPECT_EQ(boxes_.boxes[0].text, "Resource TL7 not found.");
  EXPECT_EQ(boxes_.boxes[1].text, "Already ends.");
  EXPECT_EQ(boxes_.boxes[2].text, QString::fromUtf8("Caf\xC3\xA9."));
}

// A selection handled while a chapter page is on its way (events run while
// the placeholder shows) must win: the pane ends with the page of the node
// selected last, never the one of the interrupted run.
TEST_F(ReaderTest, APageInterruptedByALaterSelectionNeverOverwritesIt) {
  TMainForm& form = Open();
  form.ViewOption = 2;
  form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(3));  // chapter 2
  QTimer::singleShot(0, &form, [&form] {
    form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(4));  // chapter 3
    form.TreeViewChange();
  });
  form.TreeViewChange();  // chapter 2's run lets the timer above run inside it
  ASSERT_TRUE(WaitForPage());
  QTest::qWait(100);
  EXPECT_EQ(CurrentKey(), "Olvar~3");
  EXPECT_EQ(ChapterTitle(), Utf8(ChapterLongName("3")).toStdString());

  // The same with the home page selected in the middle of a chapter.
  form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(5));
  QTimer::singleShot(0, &form, [&form] {
    form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(0));
    form.TreeViewChange();
  });
  form.TreeViewChange();
  ASSERT_TRUE(WaitForPage());
  QTest::qWait(100);
  EXPECT_EQ(PageUrl(), "res://olvar.exe/homepage");
  EXPECT_EQ(EvalInt(kCountBlocks), 0);

  // A chapter chosen while a navigation is still on its way is not replaced
  // by the page that navigation brings.
  form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(1));
  form.TreeViewChange();  // starts the title page
  form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(7));
  form.TreeViewChange();
  ASSERT_TRUE(WaitForPage());
  QTest::qWait(100);
  EXPECT_EQ(ChapterTitle(), Utf8(ChapterLongName("6")).toStdString());
}

// --- Locating a verse --------------------------------------------------------

// Where the selected label's verse stands: the top of its block in the pane,
// whether the page is scrolled to its end, then the block's text.
constexpr char kLocatedVerse[] =
    "(function(){var bar=getSelection().getRangeAt(0).startContainer.parentElement.closest('table'),"
    "b=bar.previousElementSibling,s=document.scrollingElement;"
    "return Math.round(b.getBoundingClientRect().top)+'|'"
    "+(Math.ceil(s.scrollTop+innerHeight)>=s.scrollHeight-1)+'|'+b.textContent;})()";

TEST_F(ReaderTest, LocateVerseSelectsTheLabelAndScrollsItsVerseToTheTop) {
  TMainForm& form = Open();
  QElapsedTimer timer;
  timer.start();
  form.LocateVerse(7, "7:86");
  EXPECT_GE(timer.elapsed(), 2000);
  EXPECT_TRUE(form.ShowLoading);
  EXPECT_EQ(CurrentKey(), "Olvar~7");
  EXPECT_EQ(Eval("window.getSelection().toString()"), "7:86");
  EXPECT_EQ(QString::fromStdString(Eval(kLocatedVerse)).section('|', 0, 0).toInt(), 0);
  EXPECT_GT(EvalInt("Math.round(window.scrollY)"), 1000);

  // Already shown: the page is not rebuilt, only searched again.
  Eval("window.marker = 7");
  form.LocatePauseMs = 0;
  form.LocateVerse(7, "7:8");
  EXPECT_EQ(Eval("String(window.marker)"), "7");
  EXPECT_EQ(Eval("window.getSelection().toString()"), "7:8");
  EXPECT_EQ(Eval("window.getSelection().getRangeAt(0).startContainer.parentElement"
                 ".closest('table').previousElementSibling.querySelector('font').textContent")
                .empty(),
            false);

  // A verse beyond the chapter's end: the page stays at its top, nothing selected.
  form.LocateVerse(8, "8:76");
  EXPECT_EQ(CurrentKey(), "Olvar~8");
  EXPECT_EQ(EvalInt("Math.round(window.scrollY)"), 0);
  EXPECT_EQ(Eval("window.getSelection().toString()"), "");
}

// The verse asked for is shown whole at the top of the pane, in every display
// option; the last one, at the page's end, wholly in view.
TEST_F(ReaderTest, LocateVerseShowsTheWholeVerseInEveryDisplayOption) {
  TMainForm& form = Open();
  form.LocatePauseMs = 0;
  StringList translation;
  form.Content().LoadChapterLines(TextKind::Translation, "2", translation);
  ASSERT_EQ(translation.size(), 286u);
  ShowNode(3);
  for (int option : {0, 1, 2}) {
    form.ViewOption = option;
    form.TreeViewChange();
    ASSERT_TRUE(WaitForPage());
    for (int verse : {255, 1, 286}) {
      SCOPED_TRACE(std::to_string(option) + " 2:" + std::to_string(verse));
      const std::string label = "2:" + std::to_string(verse);
      form.LocateVerse(2, label);
      EXPECT_EQ(Eval("window.getSelection().toString()"), label);
      const QStringList at = QString::fromStdString(Eval(kLocatedVerse)).split('|');
      ASSERT_EQ(at.size(), 3);
      EXPECT_TRUE(at[2].contains(Utf8(translation[static_cast<size_t>(verse - 1)].substr(0, 12))));
      if (verse == 286 && at[1] == "true") {
        EXPECT_GE(at[0].toInt(), 0);
      } else {
        EXPECT_EQ(at[0].toInt(), 0);
      }
    }
  }
}

// A long page scrolled to its end (End, the scroll bar's end) shows its last
// verse's label in every display option, though what lay out of view had
// never been laid out.
TEST_F(ReaderTest, ALongPageScrolledToItsEndShowsItsLastLabel) {
  TMainForm& form = Open();
  ShowNode(3);
  for (int option : {0, 1, 2}) {
    SCOPED_TRACE(option);
    form.ViewOption = option;
    form.TreeViewChange();
    ASSERT_TRUE(WaitForPage());
    Eval("window.scrollTo(0, document.scrollingElement.scrollHeight)");
    QTest::qWait(500);
    EXPECT_EQ(Eval("(function(){var l=document.querySelectorAll('font.f2'),r=l[l.length-1].getBoundingClientRect();"
                   "return l[l.length-1].textContent+(r.top>=0&&r.bottom<=innerHeight?' in view':'');})()"),
              "2:286 in view");
  }
}

// A page written after a located verse starts at its own top, not at the
// old scroll position.
TEST_F(ReaderTest, TheChapterAfterALocatedVerseStartsAtItsTop) {
  TMainForm& form = Open();
  form.LocatePauseMs = 0;
  form.ViewOption = 0;
  form.LocateVerse(2, "2:100");
  ASSERT_GT(EvalInt("Math.round(window.scrollY)"), 1000);
  form.ForwardBtnClick();
  ASSERT_TRUE(WaitUntil([&] { return CurrentKey() == "Olvar~3" && form.BrowserReadyState() == 4; }, 10000));
  QTest::qWait(300);
  EXPECT_EQ(EvalInt("Math.round(window.scrollY)"), 0);
}

TEST_F(ReaderTest, LocateVerseFromAnotherChapterBuildsThePageWithoutThePlaceholder) {
  TMainForm& form = Open();
  form.LocatePauseMs = 0;
  form.ViewOption = 2;
  ShowNode(3);
  form.LocateVerse(2, "2:255");  // same node: searched in place
  EXPECT_EQ(Eval("window.getSelection().toString()"), "2:255");
  form.LocateVerse(114, "114:6");
  EXPECT_EQ(CurrentKey(), "Olvar~114");
  EXPECT_EQ(Eval("window.getSelection().toString()"), "114:6");
}

// --- A renderer that ends ----------------------------------------------------

TEST_F(ReaderTest, AKilledRendererIsReplacedWithThePageOfTheSelectedNode) {
  TMainForm& form = Open();
  form.ViewOption = 2;
  ShowNode(3);
  ASSERT_TRUE(KillRenderer(form.WebBrowser));
  ASSERT_TRUE(WaitUntil([&] { return EvalInt(kCountBlocks) == 286; }));
  EXPECT_EQ(ChapterTitle(), "2. Al-Baqarah : The Cow");
  form.miNextChapterClick();  // F6
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(ChapterTitle(), Utf8(ChapterLongName("3")).toStdString());
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(ReaderTest, AGoToWhoseRendererIsKilledOnTheWayStillLocatesTheVerse) {
  TMainForm& form = Open();
  form.LocatePauseMs = 0;
  bool killed = false;
  // Runs inside the locate's wait for the page.
  QTimer::singleShot(0, &form, [&] { killed = KillRenderer(form.WebBrowser); });
  form.LocateVerse(7, "7:86");
  EXPECT_TRUE(killed);
  EXPECT_EQ(Eval("window.getSelection().toString()"), "7:86");
}

// --- Text size ----------------------------------------------------------------

TEST_F(ReaderTest, TextSizeByKeysAndWheelHoldsForEveryPageAndComesBackAtTheNextStart) {
  TMainForm& form = Open();
  form.ViewOption = 2;
  ShowNode(3);
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  TTextSize& size = *form.WebBrowserTextSize;
  for (const auto& [key, percent] : {std::pair{Qt::Key_Plus, 110}, {Qt::Key_Equal, 125},
                                     {Qt::Key_Minus, 110}, {Qt::Key_0, 100}}) {
    QTest::keyClick(form.TreeView, key, Qt::ControlModifier);
    EXPECT_EQ(size.Percent(), percent) << key;
  }
  QWidget* pane = form.WebBrowser->focusProxy();
  auto wheel = [pane](int delta, Qt::KeyboardModifiers keys) {
    QWheelEvent event({200, 200}, pane->mapToGlobal(QPointF(200, 200)), {}, {0, delta}, Qt::NoButton,
                      keys, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane, &event);
  };
  wheel(-120, Qt::NoModifier);
  ASSERT_TRUE(WaitUntil([&] { return EvalInt("Math.round(window.scrollY)") > 0; }));
  wheel(240, Qt::ControlModifier);
  wheel(60, Qt::ControlModifier);  // half a notch: not yet a step
  EXPECT_EQ(size.Percent(), 125);
  wheel(60, Qt::ControlModifier);
  EXPECT_EQ(size.Percent(), 150);
  // A written page keeps it, and so does the next start's title page.
  const char kSize[] = "Math.round(devicePixelRatio*100)";
  form.ForwardBtnClick();
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(EvalInt(kSize), 150);
  form_.reset();  // saves the settings
  Create();
  EXPECT_EQ(EvalInt(kSize), 150);
}

// --- Layout and shutdown ----------------------------------------------------

TEST_F(ReaderTest, SplitterAcceptsTreeWidthsFrom200To400Only) {
  TMainForm& form = Open();
  bool accept = true;
  for (int size : {199, 401, -5}) {
    form.SplitterCanResize(size, accept);
    EXPECT_FALSE(accept) << size;
  }
  for (int size : {200, 300, 400}) {
    form.SplitterCanResize(size, accept);
    EXPECT_TRUE(accept) << size;
  }

  auto drag = [&form](int dx) {
    TSplitter* s = form.Splitter;
    const QPoint start(3, 40);
    QTest::mousePress(s, Qt::LeftButton, {}, start);
    const QPointF end(start.x() + dx, start.y());
    QMouseEvent move(QEvent::MouseMove, end, s->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(s, &move);
    QTest::mouseRelease(s, Qt::LeftButton, {}, end.toPoint());
    QTest::qWait(10);
  };
  ASSERT_EQ(form.TreeView->width(), 224);
  drag(-25);  // 199
  EXPECT_EQ(form.TreeView->width(), 224);
  drag(-24);  // 200
  EXPECT_EQ(form.TreeView->width(), 200);
  drag(201);  // 401
  EXPECT_EQ(form.TreeView->width(), 200);
  drag(200);  // 400
  EXPECT_EQ(form.TreeView->width(), 400);
  EXPECT_EQ(form.Splitter->x(), form.TreeView->geometry().right() + 1);
}

TEST_F(ReaderTest, ResizeKeepsTheMainPanelAt19x69WithMarginsOf21) {
  TMainForm& form = Open();
  EXPECT_GE(form.minimumWidth(), 600);
  EXPECT_GE(form.minimumHeight(), 400);
  const int frameHeight = form.height() - form.Client->height();
  form.resize(800, 600 + frameHeight);
  ASSERT_TRUE(WaitUntil([&] { return form.Client->size() == QSize(800, 600); }));
  EXPECT_EQ(form.MainPanel->geometry(), QRect(19, 69, 760, 510));
  EXPECT_EQ(form.ToolPanel->geometry(), QRect(0, 0, 800, 48));
  EXPECT_EQ(form.mlSchemeForm->geometry(), QRect(0, 48, 800, 552));  // the skinned frame below it
  form.resize(1000, 700 + frameHeight);
  ASSERT_TRUE(WaitUntil([&] { return form.Client->width() == 1000; }));
  EXPECT_EQ(form.MainPanel->size(), QSize(960, 610));
}

TEST_F(ReaderTest, ExitAndTheCloseBoxBothRunFormDestroyOnce) {
  for (bool viaMenu : {true, false}) {
    TMainForm& form = Open();
    QSignalSpy destroyed(&form, &TMainForm::FormDestroyed);
    ASSERT_NE(form.Content().ArabicLibrary(), nullptr);
    if (viaMenu) {
      EXPECT_EQ(form.miExit->text(), "&Exit");
      form.miExit->trigger();
    } else {
      form.close();
    }
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(destroyed.count(), 1);
    EXPECT_EQ(form.Content().ArabicLibrary(), nullptr);
    EXPECT_EQ(form.Content().TranslationLibrary(), nullptr);
    EXPECT_EQ(form.DocHostHandler(), nullptr);
    form.close();
    form_.reset();
    EXPECT_EQ(destroyed.count(), 1);
  }
}

// --- Menu ------------------------------------------------------------------

TEST_F(ReaderTest, MenuStartsWithItsHiddenDisabledAndCheckedItems) {
  TMainForm& form = Open({}, false);
  const QList<QAction*> items = form.Bookmarks->actions();
  ASSERT_EQ(items.size(), 23);
  EXPECT_EQ(items[0], form.AddNewBookmark);
  EXPECT_FALSE(form.DeleteBookmarks->isEnabled());
  EXPECT_FALSE(items[2]->isVisible());
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(items[3 + i]->objectName(), QString("B%1").arg(i));
    EXPECT_EQ(items[3 + i]->text(), QString("B&%1 :").arg(i));
    EXPECT_EQ(items[13 + i]->objectName(), QString("C%1").arg(i) + "1");
    EXPECT_EQ(items[13 + i]->text(), QString("C&%1").arg(i));
    EXPECT_FALSE(items[3 + i]->isVisible());
    EXPECT_FALSE(items[13 + i]->isVisible());
  }
  EXPECT_FALSE(form.miToolbar->isVisible());
  EXPECT_EQ(form.miChangeTheme->shortcut(), QKeySequence("Ctrl+T"));
  EXPECT_EQ(form.miChangeDisplayOptions->shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_FALSE(form.miFind->icon().isNull());
  EXPECT_TRUE(form.miExit->icon().isNull());
  // The maker's address stands at the bar's right end.
  EXPECT_EQ(form.menuBar()->cornerWidget(), form.Mark->Surface());
  EXPECT_EQ(form.Mark->Mark(), lumivra::kMakerWebAddress);
}
