#include "app/Main.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "app/Splitter.h"
#include "browser/BrowserDocument.h"
#include "browser/IEDocHostUIHandler.h"
#include "browser/RendererRestart.h"
#include "content/ChapterCatalogue.h"
#include "content/DisplayOption.h"
#include "content/Maker.h"
#include "content/NodeKey.h"
#include "content/ResourceAddress.h"
#include "content/TextLines.h"
#include "controls/QtText.h"
#include "pages/ChapterPageBuilder.h"

namespace lumivra {

namespace {

// A navigation that never reports its end is given up after this long
// before a chapter page is written over it.
constexpr int kNavigationWaitMs = 5000;

// A locate gives up when the pane's renderer has ended more often than this
// while it waited.
constexpr unsigned kLocateRendererEnds = 3;

}  // namespace

void TMainForm::BuildChapterTree() {
  auto* maker = new QTreeWidgetItem(TreeView, QStringList{QString::fromLatin1(kMakerName)});
  maker->setIcon(0, QIcon(NavigationImageList[0]));
  maker->setData(0, Qt::UserRole, QString(kHomeKey));

  auto* book = new QTreeWidgetItem(TreeView, QStringList{"Lumivra"});
  book->setIcon(0, QIcon(NavigationImageList[1]));
  book->setData(0, Qt::UserRole, QString(kBookKey));
  book->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);

  QList<QTreeWidgetItem*> chapters;
  chapters.reserve(kChapterCount);
  const QIcon chapterIcon(NavigationImageList[2]);
  for (int i = 0; i < kChapterCount; ++i) {
    const QString name = FromCp1252(ChapterListName(i));
    auto* node = new QTreeWidgetItem(QStringList{name});
    // A screen reader reads the soft hyphen as the hyphen drawn.
    if (name.contains(QChar(0x00AD))) node->setData(0, Qt::AccessibleTextRole, WithVisibleSoftHyphens(name));
    node->setIcon(0, chapterIcon);
    node->setData(0, Qt::UserRole, QString::fromStdString(ChapterNodeKey(i + 1)));
    chapters.append(node);
  }
  book->addChildren(chapters);

  TreeView->setCurrentItem(book);
  book->setExpanded(true);
}

std::string TMainForm::NodeKeyOf(const QTreeWidgetItem* node) {
  if (node == nullptr) return {};
  return node->data(0, Qt::UserRole).toString().toStdString();
}

QTreeWidgetItem* TMainForm::NodeAtAbsolutePosition(int index) const {
  if (index < 0) return nullptr;
  int position = 0;
  for (QTreeWidgetItemIterator it(TreeView); *it; ++it, ++position) {
    if (position == index) return *it;
  }
  return nullptr;
}

int TMainForm::AbsolutePositionOf(const QTreeWidgetItem* node) const {
  if (node == nullptr) return -1;
  int position = 0;
  for (QTreeWidgetItemIterator it(TreeView); *it; ++it, ++position) {
    if (*it == node) return position;
  }
  return -1;
}

void TMainForm::SelectNode(QTreeWidgetItem* node) {
  if (node != nullptr) TreeView->setCurrentItem(node);
}

void TMainForm::TreeViewChange() { ShowNodePage(); }

void TMainForm::Navigate(const char* page) {
  navigationRequested_ = true;
  WebBrowser->load(QUrl(QString::fromLatin1(ResourceUrl(page))));
}

bool TMainForm::BrowserNavigating() const {
  return navigationRequested_ || WebBrowser->page()->isLoading();
}

void TMainForm::ShowNodePage() {
  QTreeWidgetItem* node = TreeView->currentItem();
  if (node == nullptr) return;
  const std::string key = Trim(NodeKeyOf(node));
  if (key.empty()) return;
  // Every run supersedes the ones it interrupts: a run that finds a later
  // one has started while it let events through gives up, so the pane
  // always ends with the page of the node selected last.
  const unsigned run = ++pageRun_;
  if (key == kHomeKey) Navigate(kHomePage);
  if (GetKeyField(key, '~', 1) != "Olvar") return;
  const std::string chapter = GetKeyField(key, '~', 2);
  if (chapter == "0") {
    Navigate(InitODefaultPage == 1 ? kTitlePage : kFadingTitlePage);
    return;
  }
  const auto option = DisplayOptionFromValue(ViewOption);
  if (!option) return;

  ++pageRunsActive_;
  struct ActiveRun {
    int& count;
    ~ActiveRun() { --count; }
  } active{pageRunsActive_};

  // A navigation still on its way would replace the page written now.
  QElapsedTimer waited;
  waited.start();
  while (BrowserNavigating() && waited.elapsed() < kNavigationWaitMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (run != pageRun_ || destroyed_) return;
  }
  if (BrowserNavigating()) WebBrowser->stop();

  ClearBrowserSelection(WebBrowser);
  if (ShowLoading) SetBodyInnerHtml(WebBrowser, kLoadingPlaceholder);
  QCoreApplication::processEvents();
  if (run != pageRun_) return;

  ReportErrors([&] {
    const ChapterTexts texts = content_.LoadChapterTexts(*option, chapter);
    if (const auto page = BuildChapterPage(*option, chapter, texts.first, texts.translation)) {
      WritePageToBrowser(WebBrowser, *page);
    }
  });
}

void TMainForm::HomeBtnClick() { SelectNode(TreeView->topLevelItem(0)); }

void TMainForm::miHomePageClick() { HomeBtnClick(); }

void TMainForm::BackBtnClick() {
  const int position = AbsolutePositionOf(TreeView->currentItem());
  if (position > 0) SelectNode(NodeAtAbsolutePosition(position - 1));
}

void TMainForm::miPreviousChapterClick() { BackBtnClick(); }

void TMainForm::ForwardBtnClick() {
  const int position = AbsolutePositionOf(TreeView->currentItem());
  if (position >= 0) SelectNode(NodeAtAbsolutePosition(position + 1));
}

void TMainForm::miNextChapterClick() { ForwardBtnClick(); }

void TMainForm::miChapterListingsClick() {
  const bool show = TreeView->isHidden();
  TreeView->setVisible(show);
  miChapterListings->setChecked(show);
  Splitter->setEnabled(show);
  Splitter->setVisible(show);
}

int TMainForm::BrowserReadyState() {
  if (changeTimer_->isActive() || pageRunsActive_ > 0 || BrowserNavigating() ||
      webBrowserRestart_->Restarting())
    return 1;
  return ReadBrowserDocumentState(WebBrowser);
}

void TMainForm::LocateVerse(int chapter, const std::string& text) {
  ShowLoading = false;
  SelectNode(NodeAtAbsolutePosition(chapter + 1));
  const unsigned ends = webBrowserRestart_->Ends();
  for (;;) {
    while (!destroyed_ && BrowserReadyState() != 4 &&
           webBrowserRestart_->Ends() - ends <= kLocateRendererEnds) {
      // Waiting for a new renderer, it sleeps between events instead of spinning.
      QCoreApplication::processEvents(webBrowserRestart_->Restarting() ? QEventLoop::WaitForMoreEvents
                                                                      : QEventLoop::AllEvents);
    }
    if (destroyed_ || webBrowserRestart_->Ends() - ends > kLocateRendererEnds) {
      ShowLoading = true;
      return;
    }
    const unsigned before = webBrowserRestart_->Ends();
    QThread::msleep(static_cast<unsigned long>(std::max(0, LocatePauseMs)));
    QCoreApplication::processEvents();
    // A renderer that ended meanwhile took the page: wait for it again.
    if (webBrowserRestart_->Ends() == before) break;
  }
  ScrollBrowserToTop(WebBrowser);
  FindAndSelectInBrowser(WebBrowser, text);
  FocusSelectedVerse(WebBrowser);
  ShowLoading = true;
}

void TMainForm::WebBrowserNavigateComplete2() {
  if (docHostHandler_) docHostHandler_->Attach(WebBrowser);
}

}  // namespace lumivra
