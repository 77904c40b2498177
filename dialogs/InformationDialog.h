#pragma once
#include <QDialog>
#include <QImage>
#include <optional>
#include <string>

class QFrame;
class QTimer;
class QWebEngineView;

namespace lumivra {

class ContentStore;
class TCorelButton;
class TDocHostUIHandler;
class TJPanelTexture;
class TRendererRestart;
class TTextSize;

// The information window: its own browser showing an information page or a
// search page, with Print and Close. Created once at start-up; closing it
// only hides it.
class TInformationDlg : public QDialog {
  Q_OBJECT
public:
  explicit TInformationDlg(QWidget* parent = nullptr);
  ~TInformationDlg() override;

  // Replaces the document of the browser with `cp1252Page`. Until the new
  // page is painted the pane shows empty, never the page before.
  void WritePage(const std::string& cp1252Page);
  // Whether the pane is empty, waiting for its page to be painted.
  bool PageHidden() const;
  // Puts `wallpaper` on the background panel (tiled).
  void SetWallpaper(const QImage& wallpaper);
  // Sets the caption and shows the window modally.
  int ShowModal(const QString& caption);
  // Shows the window modally with `cp1252Page`: it opens with an empty pane,
  // and the page is written once the pane has the keyboard focus (the engine
  // takes long to focus a long page, and no time at all an empty one).
  int ShowPage(const std::string& cp1252Page, const QString& caption);

  QWebEngineView* InfoWebBrowser() const { return InfoWebBrowser_; }
  TJPanelTexture* BackgroundPanel() const { return BackgroundPanel_; }
  TCorelButton* PrintBtn() const { return PrintBtn_; }
  TCorelButton* CloseBtn() const { return CloseBtn_; }
  // The text size of every page of the window, kept while the reader runs.
  TTextSize* TextSize() const { return TextSize_; }

  // Prints the page shown here, print dialog first.
  void PrintInfoPage();

protected:
  void showEvent(QShowEvent* event) override;

private:
  void InfoWebBrowserNavigateComplete2();
  void Write();
  void WriteWhenFocused();
  void AskPainted();
  void PrintBtnClick();
  void CloseBtnClick();

  TJPanelTexture* BackgroundPanel_ = nullptr;
  QFrame* ContainerPanel_ = nullptr;
  QWebEngineView* InfoWebBrowser_ = nullptr;
  QFrame* SepBevel_ = nullptr;
  TCorelButton* PrintBtn_ = nullptr;
  TCorelButton* CloseBtn_ = nullptr;
  TDocHostUIHandler* DocHostHandler_ = nullptr;
  TTextSize* TextSize_ = nullptr;
  TRendererRestart* Restart_ = nullptr;
  // Covers the browser from a write until the page is painted.
  QWidget* Curtain_ = nullptr;
  QTimer* paintedPoll_ = nullptr;
  bool blankLoaded_ = false;
  bool waiting_ = false;  // WritePage waits for the blank document
  // The page last written, written again for a new renderer.
  std::string page_;
  unsigned pageNumber_ = 0;
  // ShowPage's page, until the pane has the focus (or waited long enough).
  std::optional<std::string> pending_;
  int focusWaits_ = 0;
  QTimer* focusWait_ = nullptr;
};

// The Information command for the tree node `nodeKey`: reads the text of its
// key, writes the page, puts the current wallpaper on the window and shows it.
// Does nothing for the home node or a key that is not a chapter's or the
// book's. Throws ContentError ("Resource ci5 not found") when the information
// file lacks the text; the window then stays closed.
void ShowNodeInformation(TInformationDlg& dialog, ContentStore& store, const std::string& nodeKey);

}  // namespace lumivra
