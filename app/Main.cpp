#include "Main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <exception>

#include "ApplicationError.h"
#include "Artwork.h"
#include "BookmarkActions.h"
#include "Bookmarks.h"
#include "BrowserDocument.h"
#include "BrowserProfile.h"
#include "ReaderPage.h"
#include "ButtonLayout.h"
#include "ChapterCatalogue.h"
#include "ChapterPageBuilder.h"
#include "CommonDialog.h"
#include "ContentError.h"
#include "DisplayOption.h"
#include "IEDocHostUIHandler.h"
#include "InformationDialog.h"
#include "Maker.h"
#include "MessageBoxes.h"
#include "NodeKey.h"
#include "Printing.h"
#include "Settings.h"
#include "SettingsClock.h"
#include "SettingsFile.h"
#include "Splitter.h"
#include "TepSchemeButton.h"
#include "TepSchemePanel.h"
#include "TextLines.h"
#include "SearchDialog.h"
#include "Wallpaper.h"
#include "QtText.h"

using lumivra::ContentError;

namespace {

constexpr int kDesignClientWidth = 685;
constexpr int kDesignClientHeight = 448;
constexpr int kMainPanelLeft = 19;
constexpr int kMainPanelTop = 69;
constexpr int kChangeDelayMs = 5;
// A navigation that never reports its end is given up after this long
// before a chapter page is written over it.
constexpr int kNavigationWaitMs = 5000;

// The start-up warnings of the core-file check as message boxes.
class MessageBoxWarnings : public lumivra::StartupWarnings {
public:
  explicit MessageBoxWarnings(MessageBoxes& boxes) : boxes_(boxes) {}
  void Warn(const std::string& text) override {
    boxes_.Show(QMessageBox::Warning, "Warning", FromCp1252(text));
  }

private:
  MessageBoxes& boxes_;
};

}  // namespace

TMainForm::TMainForm(MessageBoxes* boxes, QWidget* parent) : QMainWindow(parent) {
  if (boxes == nullptr) {
    ownBoxes_ = std::make_unique<QtMessageBoxes>();
    boxes = ownBoxes_.get();
  }
  boxes_ = boxes;
  setObjectName("MainForm");
  CreateComponents();
  FormCreate();
}

TMainForm::~TMainForm() {
  FormDestroy();
  // The tree must not report changes while it is taken apart.
  if (changeTimer_ != nullptr) changeTimer_->stop();
  if (TreeView != nullptr) TreeView->disconnect(this);
}

// ---------------------------------------------------------------------------
// Components

void TMainForm::CreateComponents() {
  setWindowTitle("Lumivra.");
  setMinimumSize(600, 400);

  Client = new QWidget(this);
  Client->setObjectName("Client");
  Client->setAutoFillBackground(true);
  QPalette pal = Client->palette();
  pal.setColor(QPalette::Window, QColor(206, 206, 206));
  Client->setPalette(pal);
  setCentralWidget(Client);
  Client->installEventFilter(this);

  for (int i = 0; i < 3; ++i) {
    NavigationImageList[i] = ArtworkPixmap("tree" + std::to_string(i));
  }
  for (int i = 0; i < 13; ++i) {
    MenuImage[i] = QIcon(ArtworkPixmap("menu" + std::to_string(i)));
  }

  CreateToolbar();
  CreateMainPanel();
  CreateMenu();

  changeTimer_ = new QTimer(this);
  changeTimer_->setSingleShot(true);
  changeTimer_->setInterval(kChangeDelayMs);
  connect(changeTimer_, &QTimer::timeout, this, &TMainForm::TreeViewChange);
  connect(TreeView, &QTreeWidget::currentItemChanged, changeTimer_,
          qOverload<>(&QTimer::start));

  // Design size, centred on the screen; the start-up shows it maximized.
  resize(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  FormResize();
}

void TMainForm::CreateToolbar() {
  ToolPanel = new TepSchemePanel(Client);
  ToolPanel->setObjectName("ToolPanel");
  ToolPanel->SetColor(QColor(206, 206, 206));
  ToolPanel->SetBorderWidth(lumivra::kToolPanelBorderWidth);
  ToolPanel->setGeometry(0, 0, kDesignClientWidth, lumivra::kToolPanelHeight);

  QFrame** bevels[] = {&SepBevel1, &SepBevel2, &SepBevel3};
  int i = 0;
  for (const auto& spec : lumivra::ToolbarSeparators()) {
    auto* bevel = new QFrame(ToolPanel);
    bevel->setObjectName(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setLineWidth(1);
    bevel->setGeometry(spec.left, spec.top, spec.width, spec.height);
    *bevels[i++] = bevel;
  }

  TepSchemeButton** buttons[] = {&HomeBtn,  &BackBtn,  &ForwardBtn,       &SearchBtn, &InfoBtn,
                                 &GotoBtn,  &PrintBtn, &DisplayOptionBtn, &HelpBtn};
  void (TMainForm::*handlers[])() = {
      &TMainForm::HomeBtnClick,  &TMainForm::BackBtnClick,  &TMainForm::ForwardBtnClick,
      &TMainForm::SearchBtnClick, &TMainForm::InfoBtnClick,  &TMainForm::GotoBtnClick,
      &TMainForm::PrintBtnClick, &TMainForm::DisplayOptionBtnClick, &TMainForm::HelpBtnClick};
  i = 0;
  for (const auto& spec : lumivra::ToolbarButtons()) {
    auto* button = new TepSchemeButton(ToolPanel);
    button->setObjectName(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));
    button->SetHint(QString::fromUtf8(spec.hint.data(), qsizetype(spec.hint.size())));
    button->SetGlyphArtwork(spec.artwork);
    button->move(spec.left, spec.top);
    connect(button, &TepSchemeButton::clicked, this, handlers[i]);
    *buttons[i++] = button;
  }
}

void TMainForm::CreateMainPanel() {
  MainPanel = new QFrame(Client);
  MainPanel->setObjectName("MainPanel");
  MainPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  MainPanel->setLineWidth(1);
  MainPanel->setFont(QFont("Tahoma"));
  MainPanel->move(kMainPanelLeft, kMainPanelTop);

  auto* layout = new QHBoxLayout(MainPanel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  TreeView = new QTreeWidget(MainPanel);
  TreeView->setObjectName("TreeView");
  QFont treeFont("Verdana");
  treeFont.setPixelSize(11);
  TreeView->setFont(treeFont);
  TreeView->setFrameShape(QFrame::NoFrame);
  TreeView->setHeaderHidden(true);
  TreeView->setColumnCount(1);
  TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeView->setSelectionMode(QAbstractItemView::SingleSelection);
  TreeView->setIndentation(20);
  TreeView->setIconSize(QSize(16, 16));
  TreeView->setUniformRowHeights(true);
  TreeView->setFixedWidth(224);
  // The selection stays visible when the tree loses the focus.
  QPalette treePalette = TreeView->palette();
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    treePalette.setColor(QPalette::Inactive, role, treePalette.color(QPalette::Active, role));
  }
  TreeView->setPalette(treePalette);
  layout->addWidget(TreeView);

  Splitter = new TSplitter(MainPanel);
  Splitter->setObjectName("Splitter");
  Splitter->SetControl(TreeView);
  connect(Splitter, &TSplitter::canResize, this, &TMainForm::SplitterCanResize);
  layout->addWidget(Splitter);

  WebBrowser = new QWebEngineView(MainPanel);
  WebBrowser->setObjectName("WebBrowser");
  WebBrowser->setPage(new TReaderPage(ReaderBrowserProfile(), WebBrowser));
  connect(WebBrowser->page(), &QWebEnginePage::loadStarted, this,
          [this] { navigationRequested_ = false; });
  connect(WebBrowser->page(), &QWebEnginePage::loadFinished, this, [this](bool) {
    navigationRequested_ = false;
    WebBrowserNavigateComplete2();
  });
  layout->addWidget(WebBrowser, 1);
}

void TMainForm::CreateMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu");
  auto item = [this](QMenu* menu, const char* name, const char* caption,
                     QKeySequence shortcut = {}, int picture = -1) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    if (picture >= 0) {
      action->setIcon(MenuImage[picture]);
      action->setProperty("pictureIndex", picture);
    }
    return action;
  };
  auto separator = [](QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
  };
  auto menu = [bar](const char* name, const char* caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
  };

  miFile = menu("miFile", "&File");
  // The bar shows captions only; the picture is kept for the themed drawing.
  miFile->menuAction()->setProperty("pictureIndex", 7);
  miPrintChapter = item(miFile, "miPrintChapter", "&Print Chapter...", QKeySequence("Ctrl+P"), 7);
  N1 = separator(miFile, "N1");
  miExit = item(miFile, "miExit", "&Exit");
  connect(miPrintChapter, &QAction::triggered, this, &TMainForm::miPrintChapterClick);
  connect(miExit, &QAction::triggered, this, &TMainForm::miExitClick);

  miSearch = menu("miSearch", "&Search");
  miFind = item(miSearch, "miFind", "&Find...", QKeySequence(Qt::Key_F3), 0);
  connect(miFind, &QAction::triggered, this, &TMainForm::miFindClick);

  miView = menu("miView", "&View");
  miInformation = item(miView, "miInformation", "&Information...", QKeySequence(Qt::Key_F4), 6);
  N2 = separator(miView, "N2");
  miToolbar = item(miView, "miToolbar", "&Toolbar");
  miToolbar->setVisible(false);
  miChapterListings = item(miView, "miChapterListings", "&Chapter Listings");
  miChapterListings->setCheckable(true);
  miChapterListings->setChecked(true);
  connect(miInformation, &QAction::triggered, this, &TMainForm::miInformationClick);
  connect(miChapterListings, &QAction::triggered, this, &TMainForm::miChapterListingsClick);

  Bookmarks = menu("Bookmarks", "&Bookmarks");
  AddNewBookmark = item(Bookmarks, "AddNewBookmark", "&Add Bookmark...", QKeySequence("Ctrl+B"), 11);
  DeleteBookmarks = item(Bookmarks, "DeleteBookmarks", "&Delete Bookmarks...", QKeySequence("Ctrl+D"));
  DeleteBookmarks->setEnabled(false);
  N3 = separator(Bookmarks, "N3");
  N3->setVisible(false);
  for (int i = 0; i < 10; ++i) {
    const std::string name = "B" + std::to_string(i);
    const std::string caption = "B&" + std::to_string(i) + " :";
    B[i] = item(Bookmarks, name.c_str(), caption.c_str(), {}, 12);
    B[i]->setVisible(false);
    connect(B[i], &QAction::triggered, this, &TMainForm::GotoBookmark);
  }
  for (int i = 0; i < 10; ++i) {
    const std::string name = "C" + std::to_string(i) + "1";
    const std::string caption = "C&" + std::to_string(i);
    C[i] = item(Bookmarks, name.c_str(), caption.c_str(), {}, 12);
    C[i]->setVisible(false);
    connect(C[i], &QAction::triggered, this, &TMainForm::GotoBookmark);
  }
  connect(AddNewBookmark, &QAction::triggered, this, &TMainForm::AddNewBookmarkClick);
  connect(DeleteBookmarks, &QAction::triggered, this, &TMainForm::DeleteBookmarksClick);

  miOptions = menu("miOptions", "&Options");
  miHomePage = item(miOptions, "miHomePage", "&Home Page...", QKeySequence(Qt::Key_F5), 10);
  miNextChapter = item(miOptions, "miNextChapter", "&Next Chapter...", QKeySequence(Qt::Key_F6), 2);
  miPreviousChapter =
      item(miOptions, "miPreviousChapter", "&Previous Chapter...", QKeySequence(Qt::Key_F7), 1);
  N5 = separator(miOptions, "N5");
  miChangeTheme = item(miOptions, "miChangeTheme", "&Change Themes..", QKeySequence("Ctrl+T"));
  N7 = separator(miOptions, "N7");
  miGotoChapterVerse =
      item(miOptions, "miGotoChapterVerse", "&Goto Chapter/Verse...", QKeySequence(Qt::Key_F8), 9);
  miChangeDisplayOptions = item(miOptions, "miChangeDisplayOptions",
                                "Chapter &Display Options...", QKeySequence(Qt::Key_F9), 8);
  connect(miHomePage, &QAction::triggered, this, &TMainForm::miHomePageClick);
  connect(miNextChapter, &QAction::triggered, this, &TMainForm::miNextChapterClick);
  connect(miPreviousChapter, &QAction::triggered, this, &TMainForm::miPreviousChapterClick);
  connect(miChangeTheme, &QAction::triggered, this, &TMainForm::miChangeThemeClick);
  connect(miGotoChapterVerse, &QAction::triggered, this, &TMainForm::miGotoChapterVerseClick);
  connect(miChangeDisplayOptions, &QAction::triggered, this,
          &TMainForm::miChangeDisplayOptionsClick);

  miHelp = menu("miHelp", "&Help");
  miApplicationHelp =
      item(miHelp, "miApplicationHelp", "A&pplication Help...", QKeySequence(Qt::Key_F1), 4);
  miCheckForUpdates = item(miHelp, "miCheckForUpdates", "&Web : Telvarin Solutions...");
  N6 = separator(miHelp, "N6");
  miAbout = item(miHelp, "miAbout", "&About...");
  connect(miApplicationHelp, &QAction::triggered, this, &TMainForm::miApplicationHelpClick);
  connect(miCheckForUpdates, &QAction::triggered, this, &TMainForm::miCheckForUpdatesClick);
  connect(miAbout, &QAction::triggered, this, &TMainForm::miAboutClick);
}

// ---------------------------------------------------------------------------
// Settings, bookmarks and the small dialog

namespace {

TBookmarkActions BookmarkActionsOf(const TMainForm& form) {
  TBookmarkActions actions;
  actions.separator = form.N3;
  actions.deleteItem = form.DeleteBookmarks;
  for (size_t i = 0; i < form.B.size(); ++i) actions.items[i] = form.B[i];
  for (size_t i = 0; i < form.C.size(); ++i) actions.items[form.B.size() + i] = form.C[i];
  return actions;
}

// Rebuilds the bookmark items from the window's list.
void RefreshBookmarkMenu(TMainForm& form) {
  const TBookmarkActions actions = BookmarkActionsOf(form);
  lumivra::BookmarkMenuModel menu = ReadBookmarkMenu(actions);
  lumivra::RefreshBookmarkMenu(menu, form.BookmarkList);
  ApplyBookmarkMenu(menu, actions);
}

// Every command's dialog wears the current theme's wallpaper and reports
// its failures through the window.
void PrepareCommonDialog(TMainForm& form, TCommonDlg& dlg) {
  dlg.SetTexture(CurrentWallpaper());
  dlg.ErrorReport = [&form](const QString& text) {
    form.ShowApplicationError(ToCp1252(text));
  };
}

}  // namespace

// ---------------------------------------------------------------------------
// Creation, layout, destruction

void TMainForm::FormCreate() {
  try {
    // The themed drawing of the main menu is set up first, here.
    MessageBoxWarnings warnings(*boxes_);
    content_.CheckCoreFiles(warnings);
    docHostHandler_ = std::make_unique<TDocHostUIHandler>();
    BookmarkList.clear();
    if (!LoadSettings()) {
      ThemeType = 0;
      ThemeMenuColor = 0xFFFFFF;
      ViewOption = 0;
      InitODefaultPage = 0;
    }
    ShowLoading = true;
    BuildChapterTree();
  } catch (...) {
    boxes_->Show(QMessageBox::Critical, "Error",
                 QString("Error : Failed to initialize application. Please contact ") +
                     QString::fromUtf8(lumivra::kMakerSupportEmail));
  }
}

void TMainForm::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  SaveSettings();
  content_.Release();
  docHostHandler_.reset();
  BookmarkList.clear();
  emit FormDestroyed();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormDestroy();
  event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Client && event->type() == QEvent::Resize) FormResize();
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::FormResize() {
  if (Client == nullptr) return;
  const int w = Client->width();
  const int h = Client->height();
  if (ToolPanel != nullptr) ToolPanel->setGeometry(0, 0, w, lumivra::kToolPanelHeight);
  if (MainPanel != nullptr) {
    MainPanel->setGeometry(kMainPanelLeft, kMainPanelTop, std::max(0, w - 40), std::max(0, h - 90));
  }
}

void TMainForm::SplitterCanResize(int newSize, bool& accept) {
  accept = newSize >= 200 && newSize <= 400;
}

bool TMainForm::LoadSettings() {
  const auto lines = lumivra::ReadSettingsFile(lumivra::kSettingsFileName);
  if (!lines) return false;
  const lumivra::SettingsReadResult read = lumivra::ReadSettingsLines(*lines, BookmarkList);
  RefreshBookmarkMenu(*this);
  ViewOption = read.viewOption;
  ThemeType = read.themeType;
  if (!read.valuesRead) DeleteBookmarks->setEnabled(false);
  InitODefaultPage = read.initODefaultPage;
  // The stored theme is applied by the theme code once it reads ThemeType.
  return read.usable;
}

void TMainForm::SaveSettings() {
  const lumivra::SettingsValues values{ViewOption, ThemeType, InitODefaultPage, BookmarkList};
  try {
    lumivra::WriteSettingsFile(lumivra::kSettingsFileName, values, SettingsTimestampNow());
  } catch (const std::exception& error) {
    ShowApplicationError(error.what());
  }
}

// ---------------------------------------------------------------------------
// The chapter tree

void TMainForm::BuildChapterTree() {
  auto* maker = new QTreeWidgetItem(TreeView, QStringList{"Telvarin Solutions"});
  maker->setIcon(0, QIcon(NavigationImageList[0]));
  maker->setData(0, Qt::UserRole, QString(lumivra::kHomeKey));

  auto* book = new QTreeWidgetItem(TreeView, QStringList{"Lumivra"});
  book->setIcon(0, QIcon(NavigationImageList[1]));
  book->setData(0, Qt::UserRole, QString(lumivra::kBookKey));
  book->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);

  QList<QTreeWidgetItem*> chapters;
  chapters.reserve(lumivra::kChapterCount);
  const QIcon chapterIcon(NavigationImageList[2]);
  for (int i = 0; i < lumivra::kChapterCount; ++i) {
    auto* node = new QTreeWidgetItem(QStringList{FromCp1252(lumivra::ChapterListName(i))});
    node->setIcon(0, chapterIcon);
    node->setData(0, Qt::UserRole, QString::fromStdString(lumivra::ChapterNodeKey(i + 1)));
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

// ---------------------------------------------------------------------------
// Navigation

void TMainForm::TreeViewChange() { ShowNodePage(); }

void TMainForm::Navigate(const char* url) {
  navigationRequested_ = true;
  WebBrowser->load(QUrl(QString::fromLatin1(url)));
}

bool TMainForm::BrowserNavigating() const {
  return navigationRequested_ || WebBrowser->page()->isLoading();
}

void TMainForm::ShowNodePage() {
  QTreeWidgetItem* node = TreeView->currentItem();
  if (node == nullptr) return;
  const std::string key = lumivra::Trim(NodeKeyOf(node));
  if (key.empty()) return;
  // Every run supersedes the ones it interrupts: a run that finds a later
  // one has started while it let events through gives up, so the pane
  // always ends with the page of the node selected last.
  const unsigned run = ++pageRun_;
  if (key == lumivra::kHomeKey) Navigate(kHomePageUrl);
  if (lumivra::GetKeyField(key, '~', 1) != "Olvar") return;
  const std::string chapter = lumivra::GetKeyField(key, '~', 2);
  if (chapter == "0") {
    Navigate(InitODefaultPage == 1 ? kTitlePageUrl : kFadingTitlePageUrl);
    return;
  }
  const auto option = lumivra::DisplayOptionFromValue(ViewOption);
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

  try {
    const lumivra::ChapterTexts texts = content_.LoadChapterTexts(*option, chapter);
    if (const auto page = lumivra::BuildChapterPage(*option, chapter, texts.first, texts.translation)) {
      WritePageToBrowser(WebBrowser, *page);
    }
  } catch (const std::exception& error) {
    ShowApplicationError(error.what());
  }
}

void TMainForm::ShowApplicationError(const std::string& cp1252Text) {
  boxes_->Show(QMessageBox::Critical, lumivra::kApplicationTitle,
               ErrorReportText(FromCp1252(cp1252Text)));
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

void TMainForm::miExitClick() { close(); }

int TMainForm::BrowserReadyState() {
  if (changeTimer_->isActive() || pageRunsActive_ > 0 || BrowserNavigating()) return 1;
  return ReadBrowserDocumentState(WebBrowser);
}

void TMainForm::LocateVerse(int chapter, const std::string& text) {
  ShowLoading = false;
  SelectNode(NodeAtAbsolutePosition(chapter + 1));
  while (!destroyed_ && BrowserReadyState() != 4) {
    QCoreApplication::processEvents();
  }
  if (destroyed_) {
    ShowLoading = true;
    return;
  }
  QThread::msleep(static_cast<unsigned long>(std::max(0, LocatePauseMs)));
  QCoreApplication::processEvents();
  ScrollBrowserToTop(WebBrowser);
  FindAndSelectInBrowser(WebBrowser, text);
  ShowLoading = true;
}

void TMainForm::WebBrowserNavigateComplete2() {
  if (docHostHandler_) docHostHandler_->Attach(WebBrowser);
}

// ---------------------------------------------------------------------------
// Commands built in their own folders

void TMainForm::SearchBtnClick() {
  if (SearchDlg == nullptr) return;
  try {
    SearchDlg->Execute(content_.TranslationLibrary(), CurrentWallpaper(),
                       [this](int chapter, const std::string& verseRef) { LocateVerse(chapter, verseRef); });
  } catch (const std::exception& error) {
    ShowApplicationError(error.what());
  }
}

void TMainForm::miFindClick() { SearchBtnClick(); }

void TMainForm::InfoBtnClick() {
  const QTreeWidgetItem* node = TreeView->currentItem();
  if (node == nullptr || InformationDlg == nullptr) return;
  try {
    ShowNodeInformation(*InformationDlg, content_, NodeKeyOf(node));
  } catch (const std::exception& error) {
    ShowApplicationError(error.what());
  }
}

void TMainForm::miInformationClick() { InfoBtnClick(); }

void TMainForm::GotoBtnClick() {
  TCommonDlg dlg(this);
  PrepareCommonDialog(*this, dlg);
  dlg.SetMode(1);
  dlg.exec();
  if (!dlg.GotoAccepted()) return;
  if (dlg.GotoVerseRef().empty()) {
    // The page is built when the change notification arrives, loading shown.
    ShowLoading = false;
    SelectNode(NodeAtAbsolutePosition(dlg.GotoChapter() + 1));
    ShowLoading = true;
    return;
  }
  LocateVerse(dlg.GotoChapter(), dlg.GotoVerseRef());
}

void TMainForm::miGotoChapterVerseClick() { GotoBtnClick(); }

void TMainForm::PrintBtnClick() { PrintBrowserPage(WebBrowser, false); }

void TMainForm::miPrintChapterClick() { PrintBrowserPage(WebBrowser, true); }

void TMainForm::DisplayOptionBtnClick() {
  QStringList names;
  for (const auto& name : lumivra::DisplayOptionNames(TransliterationAvailable())) names << FromCp1252(name);
  TCommonDlg dlg(this);
  PrepareCommonDialog(*this, dlg);
  dlg.SetMode(2);
  dlg.SetDisplayList(names);
  dlg.SetDisplayName(FromCp1252(lumivra::DisplayOptionName(ViewOption)));
  dlg.exec();
  if (!dlg.DisplayChanged()) return;
  ViewOption = lumivra::DisplayOptionFromName(ToCp1252(dlg.DisplayName()));
  // An open chapter (or the home page) is shown again; the title page is not.
  const QTreeWidgetItem* node = TreeView->currentItem();
  if (node != nullptr && lumivra::GetKeyField(NodeKeyOf(node), '~', 2) != "0") ShowNodePage();
}

void TMainForm::miChangeDisplayOptionsClick() { DisplayOptionBtnClick(); }

void TMainForm::HelpBtnClick() {
  // Beside the settings file, in the working folder; without a viewer for it
  // nothing happens.
  const QString help = QDir::current().absoluteFilePath(QStringLiteral("Help.chm"));
  if (QFileInfo::exists(help)) QDesktopServices::openUrl(QUrl::fromLocalFile(help));
}

void TMainForm::miApplicationHelpClick() { HelpBtnClick(); }

void TMainForm::miCheckForUpdatesClick() {
  QDesktopServices::openUrl(QUrl(QString::fromUtf8(lumivra::kMakerWebAddress)));
}

void TMainForm::miAboutClick() {
  TCommonDlg dlg(this);
  PrepareCommonDialog(*this, dlg);
  dlg.SetMode(3);
  dlg.exec();
}

void TMainForm::AddNewBookmarkClick() {
  TCommonDlg dlg(this);
  PrepareCommonDialog(*this, dlg);
  dlg.SetMode(1);
  dlg.setWindowTitle(QStringLiteral("Add New Bookmark"));
  dlg.exec();
  if (!dlg.GotoAccepted()) return;
  switch (lumivra::AddBookmark(BookmarkList, dlg.GotoVerseRef())) {
    case lumivra::BookmarkAddResult::kNoVerse:
      return;
    case lumivra::BookmarkAddResult::kFull:
      boxes_->Show(QMessageBox::Information, "Information", lumivra::kBookmarkLimitMessage);
      return;
    case lumivra::BookmarkAddResult::kDuplicate:
      boxes_->Show(QMessageBox::Information, "Information", lumivra::kBookmarkPresentMessage);
      return;
    case lumivra::BookmarkAddResult::kAdded: {
      const TBookmarkActions actions = BookmarkActionsOf(*this);
      lumivra::BookmarkMenuModel menu = ReadBookmarkMenu(actions);
      lumivra::ShowAddedBookmark(menu, BookmarkList);
      ApplyBookmarkMenu(menu, actions);
      return;
    }
  }
}

void TMainForm::DeleteBookmarksClick() {
  if (BookmarkList.empty()) return;
  QStringList captions;
  for (const auto& caption : lumivra::VisibleBookmarkCaptions(ReadBookmarkMenu(BookmarkActionsOf(*this))))
    captions << FromCp1252(caption);
  TCommonDlg dlg(this);
  PrepareCommonDialog(*this, dlg);
  dlg.SetMode(6);
  dlg.SetBookmarkList(captions);
  dlg.exec();
  if (!dlg.DeleteAccepted()) return;
  try {
    lumivra::DeleteBookmark(BookmarkList, dlg.DeleteIndex());
  } catch (const std::exception& error) {
    ShowApplicationError(error.what());
  }
  RefreshBookmarkMenu(*this);
}

void TMainForm::GotoBookmark() {
  const auto* item = qobject_cast<const QAction*>(sender());
  if (item == nullptr) return;
  const int tag = item->data().toInt();
  if (tag < 0 || static_cast<size_t>(tag) >= BookmarkList.size()) {
    ShowApplicationError("List index out of bounds (" + std::to_string(tag) + ")");
    return;
  }
  const auto target = lumivra::BookmarkLocation(BookmarkList[static_cast<size_t>(tag)]);
  if (!target) return;
  LocateVerse(target->chapter, target->text);
}

void TMainForm::miChangeThemeClick() {}
