#pragma once
#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "content/ContentStore.h"
#include "content/ProgramFolders.h"
#include "content/StringList.h"

class QAction;
class QMenu;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QWebEngineView;

namespace lumivra {

class MessageBoxes;
class TCommonDlg;
class TDocHostUIHandler;
class TSearchDlg;
class TInformationDlg;
class TMark;
class TRendererRestart;
class TSplitter;
class TTextSize;
class TepScheme;
class TepSchemeButton;
class TepSchemeForm;
class TepSchemePanel;
class TepSchemeStore;
class ThemeMenuStyle;

// The window's grey: the client area, the toolbar, the frame and the menus'
// face, on which the Default theme's white menu selection reads.
inline constexpr QRgb kWindowFaceColor = qRgb(206, 206, 206);

// The pictures of the menu items: the index of each in MenuImage, the
// artwork "menu0" … "menu12".
enum MenuPicture : int {
  kFindPicture = 0,
  kPreviousChapterPicture = 1,
  kNextChapterPicture = 2,
  kBackPicture = 3,
  kHelpPicture = 4,
  kSearchTextPicture = 5,
  kInformationPicture = 6,
  kPrintPicture = 7,
  kDisplayOptionsPicture = 8,
  kGotoPicture = 9,
  kHomePagePicture = 10,
  kAddBookmarkPicture = 11,
  kBookmarkPicture = 12,
  kMenuPictureCount = 13,
};

// Body content of the pane while a chapter page is being built.
inline constexpr char kLoadingPlaceholder[] =
    "<font face=\"verdana\" size=\"2\" color=#404040><b>&nbsp;Loading...</b></font>";

// The built-in pages the pane navigates to (content/ResourceAddress.h).
inline constexpr char kHomePage[] = "homepage";
inline constexpr char kTitlePage[] = "mainolvarpage";
inline constexpr char kFadingTitlePage[] = "mainolvarpage_default";

// The reader's main window: toolbar, menus, chapter tree and browser pane.
class TMainForm : public QMainWindow {
  Q_OBJECT
public:
  // `boxes` receives every message box of the window (QMessageBox when null;
  // not owned). Each core file is read from the first of `coreFolders` that
  // holds it: beside the program, then the working folder.
  explicit TMainForm(MessageBoxes* boxes = nullptr,
                     std::vector<std::string> coreFolders = CoreFileFolders(),
                     QWidget* parent = nullptr);
  ~TMainForm() override;

  // --- State kept for the whole window -----------------------------------
  ContentStore& Content() { return content_; }
  bool TransliterationAvailable() const { return content_.TransliterationAvailable(); }
  int ViewOption = 0;
  int ThemeType = 0;
  int InitODefaultPage = 0;
  bool ShowLoading = true;
  unsigned ThemeMenuColor = 0xFFFFFF;  // 0x00BBGGRR
  StringList BookmarkList;
  // How long LocateVerse pauses after the page is complete.
  int LocatePauseMs = 2000;

  MessageBoxes& Messages() { return *boxes_; }
  // The information window, created at start-up after this window (not owned).
  TInformationDlg* InformationDlg = nullptr;
  TDocHostUIHandler* DocHostHandler() const { return docHostHandler_.get(); }
  // The search window, created at start-up after the information window
  // (not owned).
  TSearchDlg* SearchDlg = nullptr;

  // --- Components --------------------------------------------------------
  QWidget* Client = nullptr;  // the client area below the menu bar
  // The skin: the bitmaps (starting with the Default theme's), the scheme
  // every skinned control points at, and the frame below the toolbar.
  TepSchemeStore* Skin = nullptr;
  TepScheme* mlScheme = nullptr;
  TepSchemeForm* mlSchemeForm = nullptr;
  TepSchemePanel* ToolPanel = nullptr;
  QFrame* SepBevel1 = nullptr;
  QFrame* SepBevel2 = nullptr;
  QFrame* SepBevel3 = nullptr;
  TepSchemeButton* HomeBtn = nullptr;
  TepSchemeButton* BackBtn = nullptr;
  TepSchemeButton* ForwardBtn = nullptr;
  TepSchemeButton* SearchBtn = nullptr;
  TepSchemeButton* InfoBtn = nullptr;
  TepSchemeButton* GotoBtn = nullptr;
  TepSchemeButton* PrintBtn = nullptr;
  TepSchemeButton* DisplayOptionBtn = nullptr;
  TepSchemeButton* HelpBtn = nullptr;
  QFrame* MainPanel = nullptr;
  QTreeWidget* TreeView = nullptr;
  TSplitter* Splitter = nullptr;
  QWebEngineView* WebBrowser = nullptr;
  // The pane's text size, kept in Settings.ini.
  TTextSize* WebBrowserTextSize = nullptr;
  std::array<QIcon, 3> NavigationImageList;  // maker, book, chapter node
  std::array<QIcon, kMenuPictureCount> MenuImage;
  // The maker's web address at the right end of the menu bar.
  TMark* Mark = nullptr;

  // Menus and their items.
  QMenu* miFile = nullptr;
  QAction* miPrintChapter = nullptr;
  QAction* N1 = nullptr;
  QAction* miExit = nullptr;
  QMenu* miSearch = nullptr;
  QAction* miFind = nullptr;
  QMenu* miView = nullptr;
  QAction* miInformation = nullptr;
  QAction* N2 = nullptr;
  QAction* miToolbar = nullptr;
  QAction* miChapterListings = nullptr;
  QMenu* Bookmarks = nullptr;
  QAction* AddNewBookmark = nullptr;
  QAction* DeleteBookmarks = nullptr;
  QAction* N3 = nullptr;
  std::array<QAction*, 10> B{};  // B0 … B9: menu positions 3 … 12
  std::array<QAction*, 10> C{};  // C01, C11, … C91: menu positions 13 … 22
  QMenu* miOptions = nullptr;
  QAction* miHomePage = nullptr;
  QAction* miNextChapter = nullptr;
  QAction* miPreviousChapter = nullptr;
  QAction* N5 = nullptr;
  QAction* miChangeTheme = nullptr;
  QAction* N7 = nullptr;
  QAction* miGotoChapterVerse = nullptr;
  QAction* miChangeDisplayOptions = nullptr;
  QMenu* miHelp = nullptr;
  QAction* miApplicationHelp = nullptr;
  QAction* miCheckForUpdates = nullptr;
  QAction* N6 = nullptr;
  QAction* miAbout = nullptr;

  // --- Tree --------------------------------------------------------------
  // The node at absolute position `index` in tree order (0 maker node,
  // 1 book node, chapter n at n + 1); nullptr when there is none.
  QTreeWidgetItem* NodeAtAbsolutePosition(int index) const;
  int AbsolutePositionOf(const QTreeWidgetItem* node) const;
  static std::string NodeKeyOf(const QTreeWidgetItem* node);

  // Selects the chapter's node, waits until its page is complete, pauses,
  // scrolls to the top and selects the first occurrence of `text` (8-bit),
  // scrolled to the top of the pane. A page rebuilt for a new renderer is
  // waited for again; when the renderer keeps ending, nothing is located.
  void LocateVerse(int chapter, const std::string& text);

  // The application's error report: title "Lumivra", error icon, the text
  // with a full stop appended unless it ends in one.
  void ShowApplicationError(const std::string& cp1252Text);

  // The loading state of the pane: 4 once the page of the selected node is
  // complete; a node whose change notification or page is still pending, or
  // a pane waiting for a new renderer, counts as loading.
  int BrowserReadyState();

  // Copies theme `type`'s bitmaps into Skin (each copy repaints the window)
  // and takes its menu colour; any type but 0 … 3 changes nothing.
  void ApplyTheme(int type);

  // Settings (Settings.ini): LoadSettings returns false when they could not
  // be read; read settings apply their theme.
  bool LoadSettings();
  void SaveSettings();

public slots:
  // The tree's change notification (5 ms after the last selection change).
  void TreeViewChange();

  void HomeBtnClick();
  void BackBtnClick();
  void ForwardBtnClick();
  void miHomePageClick();
  void miNextChapterClick();
  void miPreviousChapterClick();
  void miChapterListingsClick();
  void miExitClick();

  void SearchBtnClick();
  void miFindClick();
  void InfoBtnClick();
  void miInformationClick();
  void GotoBtnClick();
  void miGotoChapterVerseClick();
  void PrintBtnClick();
  void miPrintChapterClick();
  void DisplayOptionBtnClick();
  void miChangeDisplayOptionsClick();
  void HelpBtnClick();
  void miApplicationHelpClick();
  void miCheckForUpdatesClick();
  void miAboutClick();
  void AddNewBookmarkClick();
  void DeleteBookmarksClick();
  void GotoBookmark();
  void miChangeThemeClick();

  void SplitterCanResize(int newSize, bool& accept);

signals:
  // Emitted at the end of FormDestroy (which runs exactly once).
  void FormDestroyed();

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Construction and layout (MainComponents.cpp).
  void CreateComponents();
  void CreateToolbar();
  void CreateMainPanel();
  void CreateMenu();
  void CreateFrame();
  void FormResize();
  // The owner drawing of the main menu (MainTheme.cpp).
  void SetupMenuDrawing();
  // Start-up and shutdown (Main.cpp).
  void FormCreate();
  void FormDestroy();
  // Runs `command`; what it throws becomes the application's error report.
  void ReportErrors(const std::function<void()>& command);
  // The tree, navigation and page writing (MainNavigation.cpp).
  void BuildChapterTree();
  void ShowNodePage();
  // Loads the built-in page `page` into the pane.
  void Navigate(const char* page);
  void SelectNode(QTreeWidgetItem* node);
  void WebBrowserNavigateComplete2();
  bool BrowserNavigating() const;
  // The dialog commands (MainCommands.cpp): every one's dialog wears the
  // current wallpaper and reports its failures through the window.
  void PrepareCommonDialog(TCommonDlg& dlg);
  // Bookmarks and settings (MainBookmarks.cpp): the bookmark items rebuilt
  // from BookmarkList.
  void RefreshBookmarkMenu();

  std::unique_ptr<MessageBoxes> ownBoxes_;
  MessageBoxes* boxes_ = nullptr;
  ContentStore content_;
  std::unique_ptr<TDocHostUIHandler> docHostHandler_;
  ThemeMenuStyle* menuStyle_ = nullptr;  // owned by the menu bar
  QTimer* changeTimer_ = nullptr;
  // A pane whose renderer ends gets the selected node's page built again.
  TRendererRestart* webBrowserRestart_ = nullptr;
  unsigned pageRun_ = 0;  // counts ShowNodePage runs; a nested run supersedes
  int pageRunsActive_ = 0;
  bool navigationRequested_ = false;
  bool destroyed_ = false;
};

}  // namespace lumivra
