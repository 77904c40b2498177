#include "dialogs/InformationDialog.h"

#include <utility>

#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QPointer>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "browser/BrowserDocument.h"
#include "browser/BrowserProfile.h"
#include "browser/IEDocHostUIHandler.h"
#include "browser/ReaderPage.h"
#include "browser/RendererRestart.h"
#include "browser/TextSize.h"
#include "content/ContentStore.h"
#include "controls/CorelButton.h"
#include "controls/DialogFont.h"
#include "controls/DialogFrame.h"
#include "controls/JPanelTexture.h"
#include "controls/Wallpaper.h"
#include "dialogs/InformationPage.h"
#include "dialogs/Printing.h"

namespace lumivra {

namespace {

constexpr int kPaintedPollMs = 15;
// How often, and how many times at most, ShowPage looks for the focus.
constexpr int kFocusPollMs = 10;
constexpr int kFocusPolls = 30;

}  // namespace

TInformationDlg::TInformationDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Information");
  UseFixedDialogFrame(*this);
  setFixedSize(577, 386);
  setFont(DialogFont());

  BackgroundPanel_ = new TJPanelTexture(this);
  BackgroundPanel_->setObjectName("BackgroundPanel");
  BackgroundPanel_->setGeometry(0, 0, 577, 386);
  BackgroundPanel_->setJStyleTexture(TJPanelTextureStyle::txTile);
  BackgroundPanel_->setJTexture(BuiltInTexture());

  ContainerPanel_ = new QFrame(BackgroundPanel_);
  ContainerPanel_->setObjectName("ContainerPanel");
  ContainerPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ContainerPanel_->setLineWidth(1);
  ContainerPanel_->setGeometry(8, 8, 561, 329);

  InfoWebBrowser_ = new QWebEngineView(ContainerPanel_);
  InfoWebBrowser_->setPage(new TReaderPage(ReaderBrowserProfile(), InfoWebBrowser_));
  InfoWebBrowser_->setObjectName("InfoWebBrowser");
  InfoWebBrowser_->setGeometry(2, 2, 557, 325);
  TextSize_ = new TTextSize(InfoWebBrowser_);

  Curtain_ = new QWidget(ContainerPanel_);
  Curtain_->setObjectName("Curtain");
  Curtain_->setGeometry(InfoWebBrowser_->geometry());
  Curtain_->setAutoFillBackground(true);
  QPalette white = Curtain_->palette();
  white.setColor(QPalette::Window, Qt::white);
  Curtain_->setPalette(white);
  Curtain_->hide();
  paintedPoll_ = new QTimer(this);
  paintedPoll_->setSingleShot(true);
  paintedPoll_->setInterval(kPaintedPollMs);
  connect(paintedPoll_, &QTimer::timeout, this, &TInformationDlg::AskPainted);
  focusWait_ = new QTimer(this);
  focusWait_->setSingleShot(true);
  focusWait_->setInterval(kFocusPollMs);
  connect(focusWait_, &QTimer::timeout, this, &TInformationDlg::WriteWhenFocused);

  SepBevel_ = new QFrame(BackgroundPanel_);
  SepBevel_->setObjectName("SepBevel");
  SepBevel_->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  SepBevel_->setGeometry(8, 344, 561, 2);

  PrintBtn_ = new TCorelButton("&Print", BackgroundPanel_);
  PrintBtn_->setObjectName("PrintBtn");
  PrintBtn_->setGeometry(414, 355, 75, 23);
  PrintBtn_->setFont(BoldDialogFont());
  QPalette black = PrintBtn_->palette();
  black.setColor(QPalette::ButtonText, Qt::black);
  PrintBtn_->setPalette(black);

  CloseBtn_ = new TCorelButton("&Close", BackgroundPanel_);
  CloseBtn_->setObjectName("CloseBtn");
  CloseBtn_->setGeometry(494, 355, 75, 23);
  CloseBtn_->setFont(BoldDialogFont());

  connect(PrintBtn_, &QPushButton::clicked, this, &TInformationDlg::PrintBtnClick);
  connect(CloseBtn_, &QPushButton::clicked, this, &TInformationDlg::CloseBtnClick);
  // The page takes every key it is given; Escape still closes the window.
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &TInformationDlg::CloseBtnClick);

  // FormCreate: the handler, and a document for the first page to go into.
  DocHostHandler_ = new TDocHostUIHandler(this);
  DocHostHandler_->Attach(InfoWebBrowser_);
  connect(InfoWebBrowser_, &QWebEngineView::loadFinished, this, [this](bool) {
    blankLoaded_ = true;
    InfoWebBrowserNavigateComplete2();
  });
  InfoWebBrowser_->setUrl(QUrl("about:blank"));
  // A new renderer gets the last page again.
  Restart_ = new TRendererRestart(InfoWebBrowser_, [this] {
    if (!page_.empty() && !waiting_) Write();
  });
}

// The browser goes first: its page answers the scripts still on their way
// while the window is whole.
TInformationDlg::~TInformationDlg() { delete InfoWebBrowser_; }

void TInformationDlg::InfoWebBrowserNavigateComplete2() { DocHostHandler_->Attach(InfoWebBrowser_); }

void TInformationDlg::WritePage(const std::string& cp1252Page) {
  page_ = cp1252Page;
  // The first page (and the first for a new renderer) needs the blank
  // document in place, or the blank page's arrival would wipe it.
  if (!blankLoaded_ || Restart_->Restarting()) {
    waiting_ = true;
    QEventLoop wait;
    connect(InfoWebBrowser_, &QWebEngineView::loadFinished, &wait, &QEventLoop::quit);
    QTimer::singleShot(10000, &wait, &QEventLoop::quit);
    wait.exec();
    waiting_ = false;
  }
  Write();
}

void TInformationDlg::Write() {
  Curtain_->show();
  Curtain_->raise();
  WritePageToBrowser(InfoWebBrowser_, page_);
  MarkBrowserPainted(InfoWebBrowser_, ++pageNumber_);
  paintedPoll_->start();
}

bool TInformationDlg::PageHidden() const { return Curtain_->isVisibleTo(ContainerPanel_); }

void TInformationDlg::AskPainted() {
  // Frames are painted only while the window shows; showEvent asks again.
  if (!isVisible()) return;
  QPointer<TInformationDlg> self(this);
  const unsigned number = pageNumber_;
  ReadBrowserPaintedMark(InfoWebBrowser_, [self, number](unsigned painted) {
    if (!self || number != self->pageNumber_) return;
    if (painted == number) {
      self->Curtain_->hide();
    } else {
      self->paintedPoll_->start();
    }
  });
}

void TInformationDlg::SetWallpaper(const QImage& wallpaper) {
  BackgroundPanel_->setJTexture(wallpaper);
}

int TInformationDlg::ShowModal(const QString& caption) {
  setWindowTitle(caption);
  return exec();
}

int TInformationDlg::ShowPage(const std::string& cp1252Page, const QString& caption) {
  WritePage(std::string());
  pending_ = cp1252Page;
  focusWaits_ = 0;
  const int result = ShowModal(caption);
  pending_.reset();
  return result;
}

void TInformationDlg::WriteWhenFocused() {
  if (!pending_ || !isVisible()) return;
  if (!InfoWebBrowser_->hasFocus() && ++focusWaits_ < kFocusPolls) {
    focusWait_->start();
    return;
  }
  WritePage(*std::exchange(pending_, std::nullopt));
}

void TInformationDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (PageHidden()) paintedPoll_->start();
  InfoWebBrowser_->setFocus();
  if (pending_) focusWait_->start(0);
}

void TInformationDlg::PrintInfoPage() { PrintBrowserPage(InfoWebBrowser_, true); }

void TInformationDlg::PrintBtnClick() { PrintInfoPage(); }

void TInformationDlg::CloseBtnClick() { close(); }

void ShowNodeInformation(TInformationDlg& dialog, ContentStore& store, const std::string& nodeKey) {
  const auto key = InfoKeyForNode(nodeKey);
  if (!key) return;
  StringList lines;
  // A missing information file leaves the list empty: the page has an empty body.
  store.LoadChapterInfoLines(*key, lines);
  const std::string page = BuildInformationPage(lines);
  QApplication::processEvents();
  dialog.SetWallpaper(CurrentWallpaper());
  dialog.ShowPage(page, "Information");
  QApplication::processEvents();
}

}  // namespace lumivra
