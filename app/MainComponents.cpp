#include "app/Main.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "app/Splitter.h"
#include "browser/BrowserProfile.h"
#include "browser/ReaderPage.h"
#include "browser/RendererRestart.h"
#include "browser/TextSize.h"
#include "content/Maker.h"
#include "controls/DialogFont.h"
#include "controls/Mark.h"
#include "controls/QtText.h"
#include "controls/Wallpaper.h"
#include "skin/Artwork.h"
#include "skin/ButtonLayout.h"
#include "skin/TepScheme.h"
#include "skin/TepSchemeButton.h"
#include "skin/TepSchemeForm.h"
#include "skin/TepSchemePanel.h"
#include "skin/ThemeArtwork.h"

namespace lumivra {

namespace {

constexpr int kDesignClientWidth = 685;
constexpr int kDesignClientHeight = 448;
constexpr int kMainPanelLeft = 19;
constexpr int kMainPanelTop = 69;
constexpr int kChangeDelayMs = 5;

// The chapter names' soft hyphens shown as hyphens; the items keep the text.
class VisibleHyphenDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QString displayText(const QVariant& value, const QLocale&) const override {
    return WithVisibleSoftHyphens(value.toString());
  }
};

}  // namespace

void TMainForm::CreateComponents() {
  setWindowTitle("Lumivra.");
  setMinimumSize(600, 400);

  Client = new QWidget(this);
  Client->setObjectName("Client");
  Client->setAutoFillBackground(true);
  QPalette pal = Client->palette();
  pal.setColor(QPalette::Window, QColor(kWindowFaceColor));
  Client->setPalette(pal);
  setCentralWidget(Client);
  Client->installEventFilter(this);

  Skin = new TepSchemeStore(Client);
  Skin->setObjectName("Skin");
  CopyThemeIntoStore(0, *Skin);
  mlScheme = new TepScheme(Client);
  mlScheme->setObjectName("mlScheme");
  mlScheme->SetSchemeStore(Skin);
  // Every themed dialog takes the skin's wallpaper before it shows.
  SetWallpaperSource([this] { return Skin->WallPaper(); });

  for (int i = 0; i < 3; ++i) NavigationImageList[i] = ArtworkIcon("tree" + std::to_string(i));
  for (int i = 0; i < kMenuPictureCount; ++i) MenuImage[i] = ArtworkIcon("menu" + std::to_string(i));

  CreateToolbar();
  CreateFrame();
  CreateMainPanel();
  CreateMenu();

  Mark = new TMark(this);
  Mark->SetFont(DialogFont());  // Tahoma, 11 pixels high
  Mark->SetFontColor(QColor(0xC0, 0xC0, 0xC0));
  Mark->SetMark(kMakerWebAddress);
  Mark->SetRegistered(false);
  Mark->ErrorReport = [this](const QString& text) { ShowApplicationError(ToCp1252(text)); };

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
  ToolPanel = new TepSchemePanel(Client);  // finds mlScheme
  ToolPanel->setObjectName("ToolPanel");
  ToolPanel->SetColor(QColor(kWindowFaceColor));
  ToolPanel->SetBorderWidth(kToolPanelBorderWidth);
  ToolPanel->setFixedHeight(kToolPanelHeight);

  QFrame** bevels[] = {&SepBevel1, &SepBevel2, &SepBevel3};
  int i = 0;
  for (const auto& separator : ToolbarSeparators()) {
    auto* bevel = new QFrame(ToolPanel);
    bevel->setObjectName(QString::fromUtf8(separator.name.data(), qsizetype(separator.name.size())));
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setLineWidth(1);
    bevel->setGeometry(separator.left, separator.top, separator.width, separator.height);
    *bevels[i++] = bevel;
  }

  TepSchemeButton** buttons[] = {&HomeBtn,  &BackBtn,  &ForwardBtn,       &SearchBtn, &InfoBtn,
                                 &GotoBtn,  &PrintBtn, &DisplayOptionBtn, &HelpBtn};
  void (TMainForm::*handlers[])() = {
      &TMainForm::HomeBtnClick,  &TMainForm::BackBtnClick,  &TMainForm::ForwardBtnClick,
      &TMainForm::SearchBtnClick, &TMainForm::InfoBtnClick,  &TMainForm::GotoBtnClick,
      &TMainForm::PrintBtnClick, &TMainForm::DisplayOptionBtnClick, &TMainForm::HelpBtnClick};
  i = 0;
  for (const auto& tool : ToolbarButtons()) {
    auto* button = new TepSchemeButton(ToolPanel);
    button->SetScheme(mlScheme);  // takes the size of the button faces
    button->setObjectName(QString::fromUtf8(tool.name.data(), qsizetype(tool.name.size())));
    const QString hint = QString::fromUtf8(tool.hint.data(), qsizetype(tool.hint.size()));
    button->SetHint(hint);
    // Never shown as a hint, the text names the painted button to a screen reader.
    button->setAccessibleName(hint);
    button->SetGlyphArtwork(tool.artwork);
    button->move(tool.left, tool.top);
    connect(button, &TepSchemeButton::clicked, this, handlers[i]);
    *buttons[i++] = button;
  }
}

// The skinned frame fills the client area below the toolbar; MainPanel sits
// inside it.
void TMainForm::CreateFrame() {
  mlSchemeForm = new TepSchemeForm(Client);
  mlSchemeForm->setObjectName("mlSchemeForm");
  mlSchemeForm->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biHelp);
  mlSchemeForm->SetSizeable(true);
  mlSchemeForm->SetShowCaption(false);
  QFont caption("Arial");
  caption.setPixelSize(15);
  caption.setBold(true);
  mlSchemeForm->SetCaption({caption, palette().color(QPalette::HighlightedText), "Welcome to Lumivra"});
  QFont second("Arial");
  second.setPixelSize(14);
  mlSchemeForm->SetSecondCaption({second, Qt::black, "The Noble Qur'an with its English translation"});
  mlSchemeForm->SetColor(QColor(kWindowFaceColor));
  auto* column = new QVBoxLayout(Client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(ToolPanel);
  column->addWidget(mlSchemeForm, 1);
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
  TreeView->setAccessibleName("Chapter Listings");
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
  TreeView->setItemDelegate(new VisibleHyphenDelegate(TreeView));
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
  Splitter->setAccessibleName("Chapter Listings Width");
  Splitter->SetControl(TreeView);
  connect(Splitter, &TSplitter::canResize, this, &TMainForm::SplitterCanResize);
  layout->addWidget(Splitter);

  WebBrowser = new QWebEngineView(MainPanel);
  WebBrowser->setObjectName("WebBrowser");
  WebBrowser->setAccessibleName("Reading Pane");
  WebBrowser->setPage(new TReaderPage(ReaderBrowserProfile(), WebBrowser));
  connect(WebBrowser->page(), &QWebEnginePage::loadStarted, this,
          [this] { navigationRequested_ = false; });
  connect(WebBrowser->page(), &QWebEnginePage::loadFinished, this, [this](bool) {
    navigationRequested_ = false;
    WebBrowserNavigateComplete2();
  });
  // A new renderer starts on an empty document; the page is built on it as
  // on a selection.
  webBrowserRestart_ = new TRendererRestart(WebBrowser, [this] { changeTimer_->start(); });
  WebBrowserTextSize = new TTextSize(WebBrowser);
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
  // The menu drawing shows its picture beside its caption.
  miFile->menuAction()->setIcon(MenuImage[kPrintPicture]);
  miFile->menuAction()->setProperty("pictureIndex", kPrintPicture);
  miPrintChapter =
      item(miFile, "miPrintChapter", "&Print Chapter...", QKeySequence("Ctrl+P"), kPrintPicture);
  N1 = separator(miFile, "N1");
  miExit = item(miFile, "miExit", "&Exit");
  connect(miPrintChapter, &QAction::triggered, this, &TMainForm::miPrintChapterClick);
  connect(miExit, &QAction::triggered, this, &TMainForm::miExitClick);

  miSearch = menu("miSearch", "&Search");
  miFind = item(miSearch, "miFind", "&Find...", QKeySequence(Qt::Key_F3), kFindPicture);
  connect(miFind, &QAction::triggered, this, &TMainForm::miFindClick);

  miView = menu("miView", "&View");
  miInformation =
      item(miView, "miInformation", "&Information...", QKeySequence(Qt::Key_F4), kInformationPicture);
  N2 = separator(miView, "N2");
  miToolbar = item(miView, "miToolbar", "&Toolbar");
  miToolbar->setVisible(false);
  miChapterListings = item(miView, "miChapterListings", "&Chapter Listings");
  miChapterListings->setCheckable(true);
  miChapterListings->setChecked(true);
  connect(miInformation, &QAction::triggered, this, &TMainForm::miInformationClick);
  connect(miChapterListings, &QAction::triggered, this, &TMainForm::miChapterListingsClick);

  Bookmarks = menu("Bookmarks", "&Bookmarks");
  AddNewBookmark =
      item(Bookmarks, "AddNewBookmark", "&Add Bookmark...", QKeySequence("Ctrl+B"), kAddBookmarkPicture);
  DeleteBookmarks = item(Bookmarks, "DeleteBookmarks", "&Delete Bookmarks...", QKeySequence("Ctrl+D"));
  DeleteBookmarks->setEnabled(false);
  N3 = separator(Bookmarks, "N3");
  N3->setVisible(false);
  for (int i = 0; i < 10; ++i) {
    const std::string name = "B" + std::to_string(i);
    const std::string caption = "B&" + std::to_string(i) + " :";
    B[i] = item(Bookmarks, name.c_str(), caption.c_str(), {}, kBookmarkPicture);
    B[i]->setVisible(false);
    connect(B[i], &QAction::triggered, this, &TMainForm::GotoBookmark);
  }
  for (int i = 0; i < 10; ++i) {
    const std::string name = "C" + std::to_string(i) + "1";
    const std::string caption = "C&" + std::to_string(i);
    C[i] = item(Bookmarks, name.c_str(), caption.c_str(), {}, kBookmarkPicture);
    C[i]->setVisible(false);
    connect(C[i], &QAction::triggered, this, &TMainForm::GotoBookmark);
  }
  connect(AddNewBookmark, &QAction::triggered, this, &TMainForm::AddNewBookmarkClick);
  connect(DeleteBookmarks, &QAction::triggered, this, &TMainForm::DeleteBookmarksClick);

  miOptions = menu("miOptions", "&Options");
  miHomePage = item(miOptions, "miHomePage", "&Home Page...", QKeySequence(Qt::Key_F5), kHomePagePicture);
  miNextChapter =
      item(miOptions, "miNextChapter", "&Next Chapter...", QKeySequence(Qt::Key_F6), kNextChapterPicture);
  miPreviousChapter = item(miOptions, "miPreviousChapter", "&Previous Chapter...", QKeySequence(Qt::Key_F7),
                           kPreviousChapterPicture);
  N5 = separator(miOptions, "N5");
  miChangeTheme = item(miOptions, "miChangeTheme", "&Change Themes..", QKeySequence("Ctrl+T"));
  N7 = separator(miOptions, "N7");
  miGotoChapterVerse =
      item(miOptions, "miGotoChapterVerse", "&Goto Chapter/Verse...", QKeySequence(Qt::Key_F8), kGotoPicture);
  miChangeDisplayOptions = item(miOptions, "miChangeDisplayOptions", "Chapter &Display Options...",
                                QKeySequence(Qt::Key_F9), kDisplayOptionsPicture);
  connect(miHomePage, &QAction::triggered, this, &TMainForm::miHomePageClick);
  connect(miNextChapter, &QAction::triggered, this, &TMainForm::miNextChapterClick);
  connect(miPreviousChapter, &QAction::triggered, this, &TMainForm::miPreviousChapterClick);
  connect(miChangeTheme, &QAction::triggered, this, &TMainForm::miChangeThemeClick);
  connect(miGotoChapterVerse, &QAction::triggered, this, &TMainForm::miGotoChapterVerseClick);
  connect(miChangeDisplayOptions, &QAction::triggered, this,
          &TMainForm::miChangeDisplayOptionsClick);

  miHelp = menu("miHelp", "&Help");
  miApplicationHelp =
      item(miHelp, "miApplicationHelp", "A&pplication Help...", QKeySequence(Qt::Key_F1), kHelpPicture);
  const std::string web = std::string("&Web : ") + kMakerName + "...";
  miCheckForUpdates = item(miHelp, "miCheckForUpdates", web.c_str());
  N6 = separator(miHelp, "N6");
  miAbout = item(miHelp, "miAbout", "&About...");
  connect(miApplicationHelp, &QAction::triggered, this, &TMainForm::miApplicationHelpClick);
  connect(miCheckForUpdates, &QAction::triggered, this, &TMainForm::miCheckForUpdatesClick);
  connect(miAbout, &QAction::triggered, this, &TMainForm::miAboutClick);

  // Go Back and Go Forward have no menu item: the browser's keys.
  new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this, this, &TMainForm::BackBtnClick);
  new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this, this, &TMainForm::ForwardBtnClick);
}

void TMainForm::FormResize() {
  if (Client == nullptr) return;
  const int w = Client->width();
  const int h = Client->height();
  // The toolbar and the frame are placed by the client's layout.
  if (MainPanel != nullptr) {
    MainPanel->setGeometry(kMainPanelLeft, kMainPanelTop, std::max(0, w - 40), std::max(0, h - 90));
  }
}

void TMainForm::SplitterCanResize(int newSize, bool& accept) {
  accept = newSize >= 200 && newSize <= 400;
}

}  // namespace lumivra
