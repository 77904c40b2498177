#pragma once
#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace lumivra {

class TCorelButton;
class TJPanelTexture;

// The small modal dialog of six uses, chosen by SetMode after creation:
// 1 go to a chapter/verse (also adding a bookmark), 2 display option, 3 about,
// 4 theme, 5 development team, 6 bookmark to delete. Configure, show with
// exec(), read the results, destroy.
class TCommonDlg : public QDialog {
  Q_OBJECT
public:
  explicit TCommonDlg(QWidget* parent = nullptr);
  ~TCommonDlg() override;

  // Configuration.
  void SetMode(unsigned mode);  // anything but 1 … 6 changes nothing
  void SetDisplayList(const QStringList& names);      // mode 2 only
  void SetBookmarkList(const QStringList& captions);  // mode 6 only; selects the first
  void SetDisplayName(const QString& name);
  void SetThemeIndex(int index);
  // The background panel's texture (the current wallpaper).
  void SetTexture(const QImage& texture);

  // Results.
  int Mode() const { return mode_; }
  bool GotoAccepted() const { return gotoAccepted_; }
  int GotoChapter() const { return gotoChapter_; }
  const std::string& GotoVerseRef() const { return gotoVerseRef_; }
  bool DisplayChanged() const { return displayChanged_; }
  const QString& DisplayName() const { return displayName_; }
  bool ThemeChanged() const { return themeChanged_; }
  int ThemeIndex() const { return themeIndex_; }
  bool DeleteAccepted() const { return deleteAccepted_; }
  int DeleteIndex() const { return deleteIndex_; }

  // Where a failure inside the dialog is reported (text without the final
  // full stop); the application's error report when empty.
  std::function<void(const QString& text)> ErrorReport;

  // The controls, children of MainPanel.
  TJPanelTexture* const MainPanel;
  QLabel* const LogoImage;
  QLabel* const MessageLabel;
  QLabel* const ExampleLabel;
  QFrame* const Bevel;
  QLabel* const ProductLabel;
  QLabel* const VersionLabel;
  QLabel* const NoticeLabel;
  QFrame* const SepBevel;
  QLabel* const DeveloperLabel;
  QLabel* const WebContentLabel;
  QLineEdit* const GotoEdit;
  TCorelButton* const CloseBtn;
  TCorelButton* const OKBtn;
  QComboBox* const DisplayCombo;

public slots:
  void OKBtnClick();
  void CloseBtnClick();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  bool GotoEditKeyPress(QKeyEvent* event);
  bool DisplayComboKeyPress(QKeyEvent* event);
  bool ValidateGotoText();
  void FocusLater(QWidget* widget);

  int mode_ = 0;
  QString displayName_ = QStringLiteral("Arabic & English Translation");
  int themeIndex_ = 0;
  int deleteIndex_ = 0;
  bool deleteAccepted_ = false;
  bool themeChanged_ = false;
  bool displayChanged_ = false;
  bool gotoAccepted_ = false;
  std::string gotoVerseRef_;
  int gotoChapter_ = 0;
  QWidget* initialFocus_ = nullptr;
};

}  // namespace lumivra
