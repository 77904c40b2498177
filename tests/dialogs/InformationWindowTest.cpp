// The information window: information pages, search pages and printing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <fstream>

#include "app/SearchPageLinks.h"
#include "browser/BrowserDocument.h"
#include "browser/ScriptText.h"
#include "browser/TextSize.h"
#include "content/ContentError.h"
#include "content/ContentStore.h"
#include "controls/CorelButton.h"
#include "controls/JPanelTexture.h"
#include "controls/Wallpaper.h"
#include "dialogs/InformationDialog.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/Printing.h"
#include "pages/ChapterPageBuilder.h"
#include "search/AutoCombo.h"
#include "search/SearchDialog.h"
#include "search/VerseSearch.h"
#include "support/TestFolder.h"
#include "tests/app/ReaderTestSupport.h"
#include "tests/content/PeImage.h"
#include "tests/search/TranslationFixture.h"

using namespace lumivra;
using namespace lumivra::testing;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

// Answers every question with `answer` and records it.
class AnsweringBoxes : public MessageBoxes {
public:
  QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString& title,
                                   const QString& text, QMessageBox::StandardButtons,
                                   QMessageBox::StandardButton, QWidget*) override {
    boxes.push_back({icon, title, text});
    return answer;
  }
  QMessageBox::StandardButton answer = QMessageBox::Yes;
  std::vector<RecordedBox> boxes;
};

std::string BodyText(QWebEngineView* view) {
  return EvaluateInBrowser(view, "document.body ? document.body.innerText : ''");
}

// What a modal showing of the window looked like.
struct Shown {
  bool shown = false;
  QString caption;
  std::string text;
};

// Runs `action` once, as soon as `dlg` is showing (inside its modal loop).
void OnShown(QDialog& dlg, std::function<void()> action) {
  auto* timer = new QTimer(&dlg);
  timer->setObjectName("observer");
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, &dlg, [&dlg, timer, action] {
    if (!dlg.isVisible() || QApplication::activeModalWidget() != &dlg) return;
    timer->stop();
    timer->deleteLater();
    action();
  });
  timer->start();
}

// Drops the observers of showings that did not happen.
void Disarm(QDialog& dlg) {
  for (QTimer* t : dlg.findChildren<QTimer*>("observer", Qt::FindDirectChildrenOnly)) delete t;
}

// Arms a one-shot observer: once `dlg` shows modally, waits until its page
// satisfies `ready`, records it and closes the window.
std::shared_ptr<Shown> WhenShown(TInformationDlg& dlg,
                                 std::function<bool(const std::string&)> ready) {
  auto shown = std::make_shared<Shown>();
  OnShown(dlg, [&dlg, shown, ready] {
    shown->shown = true;
    shown->caption = dlg.windowTitle();
    WaitUntil([&] {
      shown->text = BodyText(dlg.InfoWebBrowser());
      return ready(shown->text);
    });
    dlg.close();
  });
  return shown;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// An information file with the texts of the book, chapters 1 and 2 and the
// last two chapters; every other key is missing.
std::string InfoFile() {
  return BuildPeImage({{23, "ci0", "<p>About the whole book.</p>\r\n"},
                       {23, "ci1", "<p>First chapter notes.</p>\r\n"},
                       {23, "ci2", "<p>Second chapter notes.</p>\r\n"},
                       {23, "ci11314", "<p>The two last chapters.</p>\r\n"}})
      .image;
}

class InformationWindowTest : public ::testing::Test {
protected:
  InformationWindowTest() : folder_("info"), store_(folder_.path().string()) {
    folder_.Write(kInfoFile, InfoFile());
  }

  TestFolder folder_;
  ContentStore store_;
  TInformationDlg dlg_;
};

}  // namespace

TEST_F(InformationWindowTest, EachNodeShowsItsTextAndASecondCommandOnlyTheSecond) {
  struct Case {
    const char* node;
    const char* expected;
  };
  for (const Case& c : {Case{"Olvar~0", "About the whole book."},
                        Case{"Olvar~113", "The two last chapters."},
                        Case{"Olvar~114", "The two last chapters."},
                        Case{"Olvar~1", "First chapter notes."},
                        Case{"Olvar~2", "Second chapter notes."}}) {
    const std::string expected = c.expected;
    auto shown = WhenShown(dlg_, [&](const std::string& t) { return Has(t, expected); });
    ShowNodeInformation(dlg_, store_, c.node);
    EXPECT_TRUE(shown->shown) << c.node;
    EXPECT_EQ(shown->caption, "Information");
    EXPECT_TRUE(Has(shown->text, expected)) << c.node << ": " << shown->text;
    // The document was cleared: the text before is gone.
    if (std::string(c.node) == "Olvar~2") {
      EXPECT_FALSE(Has(shown->text, "First chapter"));
    }
  }
  // Closing only hides the window; the home node opens nothing.
  auto home = WhenShown(dlg_, [](const std::string&) { return true; });
  ShowNodeInformation(dlg_, store_, "Home");
  QTest::qWait(50);
  EXPECT_FALSE(home->shown);
  Disarm(dlg_);
}

TEST_F(InformationWindowTest, MissingTextIsAnErrorAndTheWindowStaysClosed) {
  EXPECT_THAT([&] { ShowNodeInformation(dlg_, store_, "Olvar~5"); },
              ThrowsMessage<ContentError>(StrEq("Resource ci5 not found")));
  EXPECT_FALSE(dlg_.isVisible());

  // Without the information file the window opens on an empty page.
  TestFolder empty("noinfo");
  ContentStore none(empty.path().string());
  auto shown = WhenShown(dlg_, [](const std::string& t) { return t.empty(); });
  ShowNodeInformation(dlg_, none, "Olvar~5");
  EXPECT_TRUE(shown->shown);
  EXPECT_EQ(shown->text, "");
}

// The reader window's Information command: the selected node decides.
class InformationCommandTest : public ReaderTest {};

TEST_F(InformationCommandTest, SelectedNodeOpensItsTextAndAMissingOneIsReported) {
  TMainForm& form = Open();
  TInformationDlg dlg;
  form.InformationDlg = &dlg;
  {
    const std::string bytes = InfoFile();  // the working folder's information file
    std::ofstream(kInfoFile, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  ShowNode(1);  // the book
  auto shown = WhenShown(dlg, [](const std::string& t) { return Has(t, "whole book"); });
  form.miInformationClick();
  EXPECT_TRUE(Has(shown->text, "About the whole book."));

  form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(6));  // chapter 5
  shown = WhenShown(dlg, [](const std::string&) { return true; });
  form.InfoBtnClick();
  QTest::qWait(50);
  EXPECT_FALSE(shown->shown);
  Disarm(dlg);
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].title, "Lumivra");
  EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes_.boxes[0].text, "Resource ci5 not found.");

  form.TreeView->setCurrentItem(form.NodeAtAbsolutePosition(0));  // home
  shown = WhenShown(dlg, [](const std::string&) { return true; });
  form.InfoBtnClick();
  QTest::qWait(50);
  EXPECT_FALSE(shown->shown);
  Disarm(dlg);
  EXPECT_EQ(boxes_.boxes.size(), 1u);
}

TEST_F(InformationWindowTest, BackgroundTakesTheCurrentWallpaperAtEachShowing) {
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  SetWallpaperSource([red] { return red; });
  auto shown = WhenShown(dlg_, [](const std::string& t) { return Has(t, "notes"); });
  ShowNodeInformation(dlg_, store_, "Olvar~1");
  EXPECT_EQ(dlg_.BackgroundPanel()->jTexture().pixelColor(0, 0), QColor(Qt::red));
  SetWallpaperSource({});
  shown = WhenShown(dlg_, [](const std::string& t) { return Has(t, "notes"); });
  ShowNodeInformation(dlg_, store_, "Olvar~1");
  EXPECT_EQ(dlg_.BackgroundPanel()->jTexture(), BuiltInTexture());
}

TEST_F(InformationWindowTest, RightClickOnThePageShowsNoMenu) {
  bool menu = true;
  OnShown(dlg_, [&] {
    WaitUntil([&] { return Has(BodyText(dlg_.InfoWebBrowser()), "notes"); });
    QWebEngineView* view = dlg_.InfoWebBrowser();
    QWidget* target = view->focusProxy() != nullptr ? view->focusProxy() : view;
    QTest::mouseClick(target, Qt::RightButton, {}, QPoint(100, 100));
    menu = WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1500);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    dlg_.close();
  });
  ShowNodeInformation(dlg_, store_, "Olvar~1");
  EXPECT_FALSE(menu);
}

// Escape closes the window with the focus in its page, as on its buttons.
TEST_F(InformationWindowTest, EscapeInThePageClosesTheWindow) {
  bool closed = false;
  OnShown(dlg_, [&] {
    WaitUntil([&] { return Has(BodyText(dlg_.InfoWebBrowser()), "notes"); });
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus != nullptr && dlg_.InfoWebBrowser()->isAncestorOf(focus));
    if (focus != nullptr) QTest::keyClick(focus, Qt::Key_Escape);
    closed = WaitUntil([&] { return !dlg_.isVisible(); }, 1500);
    dlg_.close();
  });
  ShowNodeInformation(dlg_, store_, "Olvar~1");
  EXPECT_TRUE(closed);
}

// ---------------------------------------------------------------------------
// Printing

namespace {

std::string PdfText(const QString& path) {
  QProcess p;
  p.start("pdftotext", {"-layout", path, "-"});
  if (!p.waitForFinished(30000)) return "<pdftotext failed>";
  return p.readAllStandardOutput().toStdString();
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return printer;
}

}  // namespace

TEST_F(InformationWindowTest, PrintoutHoldsThePageAndNoHeaderOrFooter) {
  dlg_.WritePage(
      "<HTML><HEAD><TITLE>Window Title Text</TITLE></HEAD><BODY><p>Alpha Beta Gamma</p>"
      "<p>Delta Epsilon</p></BODY></HTML>");
  ASSERT_TRUE(WaitUntil([&] { return Has(BodyText(dlg_.InfoWebBrowser()), "Epsilon"); }));

  TestFolder out("print");
  const QString pdf = QString::fromStdString(out / "page.pdf");
  std::optional<bool> result;
  ASSERT_TRUE(PrintBrowserPageTo(dlg_.InfoWebBrowser(), PdfPrinter(pdf), [&](bool ok) { result = ok; }));
  // One job at a time per view.
  EXPECT_TRUE(BrowserPrintRunning(dlg_.InfoWebBrowser()));
  EXPECT_FALSE(PrintBrowserPageTo(dlg_.InfoWebBrowser(), PdfPrinter(pdf + ".2")));

  ASSERT_TRUE(WaitUntil([&] { return result.has_value(); }, 30000));
  EXPECT_TRUE(*result);
  EXPECT_FALSE(BrowserPrintRunning(dlg_.InfoWebBrowser()));

  const QString text = QString::fromStdString(PdfText(pdf)).simplified();
  // The page's words and nothing else: no title, address, date or page number.
  EXPECT_EQ(text, "Alpha Beta Gamma Delta Epsilon");
  EXPECT_FALSE(text.contains("Window Title"));
  EXPECT_FALSE(text.contains("about:"));
  EXPECT_FALSE(text.contains(QRegularExpression("\\d")));

  // Whatever the text size on screen, the same printout.
  dlg_.TextSize()->SetPercent(300);
  result.reset();
  ASSERT_TRUE(PrintBrowserPageTo(dlg_.InfoWebBrowser(), PdfPrinter(pdf + "3"), [&](bool ok) { result = ok; }));
  ASSERT_TRUE(WaitUntil([&] { return result.has_value(); }, 30000));
  std::ifstream at100(pdf.toStdString()), at300(pdf.toStdString() + "3");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(at300), {}), std::string(std::istreambuf_iterator<char>(at100), {}));
}

// A printed chapter keeps each verse label on the page of its verse: no page
// starts with a label.
TEST_F(InformationWindowTest, PrintedVerseLabelsStayWithTheirVerses) {
  struct : StartupWarnings {
    void Warn(const std::string&) override {}
  } quiet;
  ContentStore store(std::string(LUMIVRA_BUILD_DIR));
  store.CheckCoreFiles(quiet);
  const ChapterTexts texts = store.LoadChapterTexts(kArabicAndTranslation, "36");
  if (texts.translation.empty()) GTEST_SKIP() << "core files not built";
  const auto page = BuildChapterPage(0, "36", texts.first, texts.translation);
  ASSERT_TRUE(page.has_value());
  dlg_.WritePage(*page);
  ASSERT_TRUE(WaitUntil([&] { return dlg_.InfoWebBrowser()->page() &&
                                     EvaluateInBrowser(dlg_.InfoWebBrowser(), ReadyStateScript()) == "complete"; }));
  TestFolder out("print");
  const QString pdf = QString::fromStdString(out / "chapter.pdf");
  std::optional<bool> result;
  ASSERT_TRUE(PrintBrowserPageTo(dlg_.InfoWebBrowser(), PdfPrinter(pdf), [&](bool ok) { result = ok; }));
  ASSERT_TRUE(WaitUntil([&] { return result.has_value(); }, 30000));
  ASSERT_TRUE(*result);
  const QStringList pages = QString::fromStdString(PdfText(pdf)).split('\f', Qt::SkipEmptyParts);
  ASSERT_GT(pages.size(), 3);
  for (qsizetype i = 1; i < pages.size(); ++i) {
    const QString first = pages[i].trimmed().section('\n', 0, 0).trimmed();
    EXPECT_FALSE(QRegularExpression("^36:\\d+$").match(first).hasMatch()) << "page " << i + 1 << ": " << first.toStdString();
  }
}

TEST_F(InformationWindowTest, PrintButtonAsksFirstAndCancellingEndsQuietly) {
  dlg_.WritePage("<HTML><BODY>Some page</BODY></HTML>");
  bool sawDialog = false;
  // PrintBtn inside the shown window: the print dialog comes first; cancel it.
  OnShown(dlg_, [&] {
    QTimer::singleShot(0, [&] {
      WaitUntil([&] { return qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()); });
      if (auto* pd = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
        sawDialog = true;
        pd->reject();
      }
    });
    dlg_.PrintBtn()->click();
    dlg_.close();
  });
  dlg_.ShowModal("Information");
  EXPECT_TRUE(sawDialog);
  EXPECT_FALSE(BrowserPrintRunning(dlg_.InfoWebBrowser()));
}

TEST_F(InformationWindowTest, PrintingAtOnceWithoutAPrinterDoesNothing) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer exists";
  bool sawModal = false;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { sawModal |= QApplication::activeModalWidget() != nullptr; });
  timer.start(1);
  PrintBrowserPage(dlg_.InfoWebBrowser(), false);
  QTest::qWait(50);
  EXPECT_FALSE(sawModal);
  EXPECT_FALSE(BrowserPrintRunning(dlg_.InfoWebBrowser()));
}

// ---------------------------------------------------------------------------
// A renderer that ends, the text size, and never the page before

TEST_F(InformationWindowTest, ANewRendererGetsTheLastPageAtItsTextSize) {
  dlg_.TextSize()->Step(2);
  dlg_.WritePage("<HTML><BODY><p>Before the end</p></BODY></HTML>");
  ASSERT_TRUE(WaitUntil([&] { return Has(BodyText(dlg_.InfoWebBrowser()), "Before the end"); }));
  ASSERT_TRUE(KillRenderer(dlg_.InfoWebBrowser()));
  ASSERT_TRUE(WaitUntil([&] { return Has(BodyText(dlg_.InfoWebBrowser()), "Before the end"); }));
  EXPECT_EQ(EvaluateInBrowser(dlg_.InfoWebBrowser(), "String(devicePixelRatio)"), "1.25");
}

// The window opens with its new page or an empty pane, never the page of the
// command before, however long the new page takes.
TEST_F(InformationWindowTest, TheWindowNeverShowsThePageBefore) {
  // The middle of the pane as the screen shows it.
  auto shown = [this] {
    const QImage shot = dlg_.screen()->grabWindow(dlg_.winId()).toImage();
    return shot.pixelColor(dlg_.InfoWebBrowser()->mapTo(&dlg_, QPoint(200, 150)));
  };
  bool oldShown = false;
  OnShown(dlg_, [&] {
    oldShown = WaitUntil([&] { return shown() == QColor(0, 255, 0); });
    dlg_.close();
  });
  dlg_.WritePage("<HTML><BODY style=\"background:#00FF00\"></BODY></HTML>");
  dlg_.ShowModal("Search Report");
  ASSERT_TRUE(oldShown);

  std::string slow = "<HTML><BODY>";
  for (int i = 0; i < 20000; ++i) slow += "<table><tr><td>Verse " + std::to_string(i) + "</td></tr></table>";
  QColor atOpening;
  bool newShown = false;
  bool focused = false;
  OnShown(dlg_, [&] {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg_));
    atOpening = shown();
    newShown = WaitUntil([&] { return !dlg_.PageHidden(); }, 30000);
    focused = dlg_.InfoWebBrowser()->focusProxy() && dlg_.InfoWebBrowser()->focusProxy()->hasFocus();
    dlg_.close();
  });
  // As the search pages show it: written once the pane has the focus.
  dlg_.ShowPage(slow, "Search Report");
  EXPECT_EQ(atOpening, QColor(Qt::white));  // empty, never green
  EXPECT_TRUE(newShown);
  EXPECT_TRUE(focused);
  EXPECT_TRUE(Has(BodyText(dlg_.InfoWebBrowser()), "Verse 19999"));
}

// ---------------------------------------------------------------------------
// Search view and report pages behind the search dialog

namespace {

std::string Repeat(const std::string& line, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += line + "\r\n";
  return out;
}

class SearchPagesWindowTest : public ::testing::Test {
protected:
  void Open(const std::map<int, std::string>& chapters) {
    translation_ = MakeTranslation(chapters);
    search_.SetTranslationLibrary(translation_.get());
    ConnectSearchPages(search_, info_, boxes_);
  }
  void Find(const QString& text) {
    search_.SearchCombo->setEditText(text);
    search_.FindBtnClick();
    ASSERT_TRUE(WaitUntil([&] { return !search_.Filling(); }, 60000));
  }
  std::string Eval(const std::string& script) {
    return EvaluateInBrowser(info_.InfoWebBrowser(), script);
  }
  // Presses `button` and reads the page once `ready` holds for its text.
  std::shared_ptr<Shown> Press(const std::function<void()>& button,
                               std::function<bool(const std::string&)> ready) {
    auto shown = WhenShown(info_, ready);
    button();
    return shown;
  }

  std::unique_ptr<PeResourceFile> translation_;
  TInformationDlg info_;
  TSearchDlg search_;
  AnsweringBoxes boxes_;
};

const char kRedWords[] =
    "Array.from(document.querySelectorAll('font[color=red]')).map(function(f){"
    "return f.textContent;}).join(',')";

}  // namespace

TEST_F(SearchPagesWindowTest, ViewHighlightsTheTextNowInTheSearchBox) {
  Open({{2, "And the day of mercy.\r\nHis Mercy is near.\r\n"}});
  Find("mercy");
  ASSERT_EQ(search_.ResultList->count(), 2);
  search_.ResultList->setCurrentRow(1);
  auto shown = Press([&] { search_.ViewBtnClick(); },
                     [](const std::string& t) { return Has(t, "is near"); });
  EXPECT_TRUE(shown->shown);
  EXPECT_EQ(shown->caption, "Search View");
  EXPECT_TRUE(Has(shown->text, "Search Text : MERCY.")) << shown->text;
  EXPECT_TRUE(Has(shown->text, "Surah/Chapter 002 - Al-Baqarah. Verse 2."));
  EXPECT_TRUE(Has(shown->text, "His MERCY is near."));
  EXPECT_EQ(Eval(kRedWords), "MERCY");

  // The box edited after the search: View shows and marks the new text.
  search_.SearchCombo->setEditText("near");
  shown = Press([&] { search_.ResultListDblClick(); },
                [](const std::string& t) { return Has(t, "Search Text : NEAR."); });
  EXPECT_TRUE(shown->shown);
  EXPECT_EQ(Eval(kRedWords), "NEAR");

  // No line selected: nothing opens.
  search_.ResultList->clearSelection();
  search_.ResultList->setCurrentRow(-1);
  shown = Press([&] { search_.ViewBtnClick(); }, [](const std::string&) { return true; });
  QTest::qWait(50);
  EXPECT_FALSE(shown->shown);
  Disarm(info_);
}

TEST_F(SearchPagesWindowTest, HitThroughTheChapterNumberShowsNoRed) {
  Open({{7, "Verse without the digit.\r\n"}});
  search_.IncludeAllCheck->setChecked(false);
  search_.IncludeAllCheckClick();
  search_.ChapterCombo->setCurrentIndex(7);
  Find("7|");
  ASSERT_EQ(search_.ResultList->count(), 1);
  search_.ResultList->setCurrentRow(0);
  auto shown = Press([&] { search_.ViewBtnClick(); },
                     [](const std::string& t) { return Has(t, "without the digit"); });
  EXPECT_TRUE(shown->shown);
  EXPECT_EQ(Eval(kRedWords), "");
}

TEST_F(SearchPagesWindowTest, TypedMarkupIsShownAsTextAndNeverRuns) {
  const std::string typed = "<img src=x onerror=\"document.title='ran'\">";
  Open({{3, "before " + typed + " after\r\n"}});
  Find(QString::fromStdString(typed));
  ASSERT_EQ(search_.ResultList->count(), 1);
  search_.ResultList->setCurrentRow(0);
  auto shown = Press([&] { search_.ViewBtnClick(); },
                     [](const std::string& t) { return Has(t, "after"); });
  EXPECT_TRUE(shown->shown);
  EXPECT_TRUE(Has(shown->text, "Search Text : <IMG SRC=X ONERROR=\"DOCUMENT.TITLE='RAN'\">."))
      << shown->text;
  EXPECT_EQ(Eval(kRedWords), "<IMG SRC=X ONERROR=\"DOCUMENT.TITLE='RAN'\">");
  EXPECT_EQ(Eval("String(document.querySelectorAll('img[src=x], img[src=X]').length)"), "0");
  QTest::qWait(100);
  EXPECT_NE(Eval("document.title"), "ran");
}

TEST_F(SearchPagesWindowTest, ReportAsksAbove1000HitsAndNoLeavesEverything) {
  Open({{1, Repeat("a word here", 1000)}, {2, "one more word\r\n"}});

  // Exactly 1000: no question.
  search_.IncludeAllCheck->setChecked(false);
  search_.IncludeAllCheckClick();
  search_.ChapterCombo->setCurrentIndex(1);
  Find("word");
  ASSERT_EQ(search_.ResultList->count(), 1000);
  auto shown = Press([&] { search_.ReportBtnClick(); },
                     [](const std::string& t) { return Has(t, "Total Found : 1000 Verses"); });
  EXPECT_TRUE(shown->shown);
  EXPECT_EQ(shown->caption, "Search Report");
  EXPECT_TRUE(boxes_.boxes.empty());
  EXPECT_EQ(Eval("String(document.querySelectorAll('font.f4').length)"), "1000");

  // 1001: the question; No keeps the window closed and the last page.
  search_.IncludeAllCheck->setChecked(true);
  search_.IncludeAllCheckClick();
  Find("word");
  ASSERT_EQ(search_.ResultList->count(), 1001);
  boxes_.answer = QMessageBox::No;
  shown = Press([&] { search_.ReportBtnClick(); }, [](const std::string&) { return true; });
  QTest::qWait(50);
  EXPECT_FALSE(shown->shown);
  Disarm(info_);
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Question);
  EXPECT_EQ(boxes_.boxes[0].title, "Confirm");
  EXPECT_EQ(boxes_.boxes[0].text,
            "Search has found more than 1000 verses... report may take\r\n"
            "several seconds to generate. Are you sure?");
  EXPECT_EQ(Eval("String(document.querySelectorAll('font.f4').length)"), "1000");
  EXPECT_EQ(search_.ResultList->count(), 1001);

  boxes_.answer = QMessageBox::Yes;
  shown = Press([&] { search_.ReportBtnClick(); },
                [](const std::string& t) { return Has(t, "Total Found : 1001 Verses"); });
  EXPECT_TRUE(shown->shown);
}

TEST_F(SearchPagesWindowTest, ReportOfOneHitAndOfAnEmptyList) {
  Open({{5, "A single unusual phrase.\r\n"}});
  Find("unusual");
  auto shown = Press([&] { search_.ReportBtnClick(); },
                     [](const std::string& t) { return Has(t, "Total Found"); });
  EXPECT_TRUE(Has(shown->text, "Total Found : 1 Verse (Lumivra)."));
  EXPECT_TRUE(Has(shown->text, "Surah/Chapter 005 - Al-M"));

  search_.ResetStopBtnClick();
  shown = Press([&] { search_.ReportBtnClick(); }, [](const std::string&) { return true; });
  QTest::qWait(50);
  EXPECT_FALSE(shown->shown);
  Disarm(info_);
}

// Report on all 6236 verses: the page is complete in the window with each of
// them, to the last (its timing is a benchmark of the reader window).
TEST_F(SearchPagesWindowTest, ReportOfEveryVerseIsCompleteInTheWindow) {
  auto file = PeResourceFile::Open(std::string(LUMIVRA_BUILD_DIR) + "/" + kTranslationFile);
  if (!file) GTEST_SKIP() << "core files not built";
  translation_ = std::move(file);
  search_.SetTranslationLibrary(translation_.get());
  ConnectSearchPages(search_, info_, boxes_);
  Find("|");
  ASSERT_EQ(search_.ResultList->count(), 6236);

  bool complete = false;
  std::string end;
  OnShown(info_, [&] {
    complete = WaitUntil([&] {
      return Eval("document.readyState == 'complete' ? "
                  "String(document.querySelectorAll('font.f4').length) : ''") == "6236";
    }, 30000);
    // Scrolled to its end, the window shows the last verse whole, though
    // what lay out of view had never been laid out.
    Eval("window.scrollTo(0, document.scrollingElement.scrollHeight)");
    QTest::qWait(500);
    end = Eval("(function(){var f=document.querySelectorAll('font.f4'),r=f[f.length-1].getBoundingClientRect();"
               "return r.top>=0&&r.bottom<=innerHeight?'in view':r.top+' '+r.bottom;})()");
    info_.close();
  });
  search_.ReportBtn->click();
  EXPECT_TRUE(complete);
  EXPECT_EQ(end, "in view");
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].title, "Confirm");
}
