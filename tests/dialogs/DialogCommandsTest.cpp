// The go-to, display option, help and about commands of the reader window.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QUrl>

#include "content/ContentStore.h"
#include "content/Maker.h"
#include "controls/CorelButton.h"
#include "controls/JPanelTexture.h"
#include "controls/Wallpaper.h"
#include "skin/Artwork.h"
#include "skin/TepSchemeButton.h"
#include "skin/TepSchemeStore.h"
#include "support/DialogDriver.h"
#include "tests/app/ReaderTestSupport.h"

using namespace lumivra;
using namespace lumivra::testing;

namespace {

// The desktop's opener as the reader finds it, first on the PATH: a script
// that writes what it is handed into a file, one line a run.
class StandInOpener {
public:
  StandInOpener() : folder_("opener"), path_(qgetenv("PATH")) {
    const std::string log = (folder_ / "handed").string();
    folder_.Write("xdg-open", "#!/bin/sh\necho \"$*\" >> '" + log + "'\n");
    std::filesystem::permissions(folder_ / "xdg-open", std::filesystem::perms::owner_all);
    qputenv("PATH", QByteArray::fromStdString(folder_.path().string()) + ":" + path_);
  }
  ~StandInOpener() { qputenv("PATH", path_); }
  // The address of the next run, once it has run.
  QUrl Next() {
    WaitUntil([this] { return Lines().size() > seen_; }, 10000);
    const QStringList lines = Lines();
    return lines.size() > seen_ ? QUrl(lines[seen_++]) : QUrl();
  }

private:
  QStringList Lines() const {
    return QString::fromStdString(ReadBytes(folder_ / "handed")).split('\n', Qt::SkipEmptyParts);
  }
  TestFolder folder_;
  QByteArray path_;
  qsizetype seen_ = 0;
};

DialogDriver::Drive TypeAndEnter(const char* text) {
  return [text](TCommonDlg& dlg) {
    QTest::keyClicks(dlg.GotoEdit, text);
    QTest::keyClick(dlg.GotoEdit, Qt::Key_Return);
  };
}

DialogDriver::Drive Cancel() {
  return [](TCommonDlg& dlg) { QTest::mouseClick(dlg.CloseBtn, Qt::LeftButton); };
}

class DialogCommandsTest : public ReaderTest {
protected:
  std::string SelectionText() { return Eval("window.getSelection().toString()"); }
};

}  // namespace

TEST_F(DialogCommandsTest, GoToChapterAndVerseSelectsTheLabel) {
  TMainForm& form = Open();
  form.LocatePauseMs = 0;
  EXPECT_EQ(form.miGotoChapterVerse->shortcut(), QKeySequence(Qt::Key_F8));
  QString title;
  QImage texture;
  const int driven = DialogDriver::Run([&] { form.miGotoChapterVerse->trigger(); },
                                       {[&](TCommonDlg& dlg) {
                                         title = dlg.windowTitle();
                                         texture = dlg.MainPanel->jTexture();
                                         TypeAndEnter("7.86")(dlg);
                                       }});
  EXPECT_EQ(driven, 1);
  EXPECT_EQ(title, "Goto Chapter/Verse");
  EXPECT_EQ(texture, CurrentWallpaper());
  EXPECT_EQ(CurrentKey(), "Olvar~7");
  EXPECT_EQ(SelectionText(), "7:86");
  EXPECT_TRUE(form.ShowLoading);

  // The same chapter again: no rebuild, the page is searched again.
  EXPECT_EQ(DialogDriver::Run([&] { form.GotoBtnClick(); }, {TypeAndEnter("7:2")}), 1);
  EXPECT_EQ(SelectionText(), "7:2");
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(DialogCommandsTest, GoToChapterAloneAndCancel) {
  TMainForm& form = Open();
  form.LocatePauseMs = 0;
  DialogDriver::Run([&] { form.GotoBtnClick(); }, {Cancel()});
  EXPECT_EQ(CurrentKey(), "Olvar~0");

  DialogDriver::Run([&] { form.GotoBtnClick(); }, {TypeAndEnter("114")});
  EXPECT_TRUE(form.ShowLoading);
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~114");
  EXPECT_EQ(SelectionText(), "");

  // Pasted text that is no number: the error report, and the dialog stays.
  DialogDriver::Run([&] { form.GotoBtnClick(); }, {[](TCommonDlg& dlg) {
                      dlg.GotoEdit->setText("q7");
                      dlg.OKBtnClick();
                      EXPECT_TRUE(dlg.isVisible());
                      dlg.CloseBtnClick();
                    }});
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes_.boxes[0].title, "Lumivra");
  EXPECT_EQ(boxes_.boxes[0].text, "'q7' is not a valid integer value.");
  EXPECT_EQ(CurrentKey(), "Olvar~114");
}

TEST_F(DialogCommandsTest, DisplayOptionsWithoutTransliterationRebuildTheOpenChapter) {
  TMainForm& form = Open({lumivra::kTransliterationFile});
  EXPECT_EQ(form.miChangeDisplayOptions->shortcut(), QKeySequence(Qt::Key_F9));
  ShowNode(3);
  EXPECT_GT(EvalInt("document.querySelectorAll('font.a1,font.a2').length"), 0);

  QStringList offered;
  int selected = -2;
  DialogDriver::Run([&] { form.miChangeDisplayOptions->trigger(); },
                    {[&](TCommonDlg& dlg) {
                      for (int i = 0; i < dlg.DisplayCombo->count(); ++i) offered << dlg.DisplayCombo->itemText(i);
                      selected = dlg.DisplayCombo->currentIndex();
                      dlg.DisplayCombo->setCurrentIndex(1);
                      dlg.OKBtnClick();
                    }});
  EXPECT_EQ(offered, (QStringList{"Arabic & English Translation", "English Translation Only"}));
  EXPECT_EQ(selected, 0);
  EXPECT_EQ(form.ViewOption, 2);
  ASSERT_TRUE(WaitForPage());
  EXPECT_EQ(CurrentKey(), "Olvar~2");
  EXPECT_EQ(EvalInt("document.querySelectorAll('font.a1,font.a2').length"), 0);
  EXPECT_GT(EvalInt("document.querySelectorAll('font.f2').length"), 0);

  // A stored transliteration option without its file: nothing preselected,
  // OK stays open until a name is picked.
  form.ViewOption = 1;
  DialogDriver::Run([&] { form.DisplayOptionBtnClick(); }, {[&](TCommonDlg& dlg) {
                      EXPECT_EQ(dlg.DisplayCombo->currentIndex(), -1);
                      dlg.OKBtnClick();
                      EXPECT_TRUE(dlg.isVisible());
                      dlg.DisplayCombo->setCurrentIndex(0);
                      dlg.OKBtnClick();
                    }});
  EXPECT_EQ(form.ViewOption, 0);
}

TEST_F(DialogCommandsTest, DisplayOptionsLeaveTheTitlePageAloneAndCancelChangesNothing) {
  TMainForm& form = Open();
  const std::string title = PageUrl();
  QStringList offered;
  DialogDriver::Run([&] { form.DisplayOptionBtnClick(); }, {[&](TCommonDlg& dlg) {
                      for (int i = 0; i < dlg.DisplayCombo->count(); ++i) offered << dlg.DisplayCombo->itemText(i);
                      dlg.DisplayCombo->setCurrentIndex(1);
                      dlg.OKBtnClick();
                    }});
  EXPECT_EQ(offered.size(), 3);
  EXPECT_EQ(offered.value(1), "Transliteration & English Translation");
  EXPECT_EQ(form.ViewOption, 1);
  EXPECT_EQ(form.BrowserReadyState(), 4);  // nothing reloaded
  EXPECT_EQ(PageUrl(), title);

  DialogDriver::Run([&] { form.DisplayOptionBtnClick(); }, {[](TCommonDlg& dlg) {
                      dlg.DisplayCombo->setCurrentIndex(2);
                      dlg.CloseBtnClick();
                    }});
  EXPECT_EQ(form.ViewOption, 1);
}

TEST_F(DialogCommandsTest, HelpAndWebGoToTheDesktopsOpener) {
  TMainForm& form = Open();
  StandInOpener opener;
  EXPECT_EQ(form.miApplicationHelp->shortcut(), QKeySequence(Qt::Key_F1));
  // None in the working folder: the help file beside the program.
  form.miApplicationHelp->trigger();
  EXPECT_EQ(opener.Next(), QUrl::fromLocalFile(QFileInfo(LUMIVRA_BUILD_DIR "/Help.chm").canonicalFilePath()));
  // One in the working folder comes first; the toolbar button does the same.
  CopyCoreFile("Help.chm", "Help.chm");
  emit form.HelpBtn->clicked();
  EXPECT_EQ(opener.Next(), QUrl::fromLocalFile(QDir::current().absoluteFilePath("Help.chm")));

  form.miCheckForUpdates->trigger();
  EXPECT_EQ(opener.Next(), QUrl(QString::fromUtf8(lumivra::kMakerWebAddress)));
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(DialogCommandsTest, AboutBoxAndItsTeamBox) {
  TMainForm& form = Open();
  QString about, team;
  QImage texture;
  const int driven = DialogDriver::Run([&] { form.miAbout->trigger(); },
                                       {[&](TCommonDlg& dlg) {
                                          about = dlg.windowTitle();
                                          texture = dlg.MainPanel->jTexture();
                                          QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);  // &Team
                                          EXPECT_TRUE(dlg.isVisible());
                                          QTest::mouseClick(dlg.CloseBtn, Qt::LeftButton);
                                        },
                                        [&](TCommonDlg& dlg) {
                                          team = dlg.windowTitle();
                                          EXPECT_EQ(dlg.MainPanel->jTexture(), BuiltInTexture());
                                          QTest::mouseClick(dlg.CloseBtn, Qt::LeftButton);
                                        }});
  EXPECT_EQ(driven, 2);
  EXPECT_EQ(about, "About");
  EXPECT_EQ(team, "Development Team");
  EXPECT_EQ(texture, CurrentWallpaper());
}

TEST_F(DialogCommandsTest, AChosenThemeRepaintsTheToolbarWhileCancelAndTheSameThemeChangeNothing) {
  TMainForm& form = Open();
  EXPECT_EQ(form.miChangeTheme->shortcut(), QKeySequence("Ctrl+T"));
  const QImage rose = ArtworkImage("rose_wallpaper").convertToFormat(QImage::Format_RGB32);
  const qint64 untouched = form.Skin->WallPaper().cacheKey();
  EXPECT_EQ(DialogDriver::Run([&] { form.miChangeTheme->trigger(); }, {Cancel()}), 1);
  EXPECT_EQ(form.ThemeType, 0);
  EXPECT_EQ(form.Skin->WallPaper().cacheKey(), untouched);

  // Paints of a toolbar button that see the rose bitmaps. The toolbar is a
  // window of its own: the store's repaint of the main window leaves it out,
  // the command repaints it.
  int rosePaints = 0;
  struct Watch : QObject {
    std::function<void()> seen;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) seen();
      return false;
    }
  } watch;
  watch.seen = [&] { rosePaints += form.Skin->WallPaper() == rose; };
  form.HomeBtn->installEventFilter(&watch);
  QStringList offered;
  QImage texture;
  DialogDriver::Run([&] { form.miChangeThemeClick(); },
                    {[&](TCommonDlg& dlg) {
                      for (int i = 0; i < dlg.DisplayCombo->count(); ++i) offered << dlg.DisplayCombo->itemText(i);
                      texture = dlg.MainPanel->jTexture();
                      dlg.DisplayCombo->setCurrentIndex(2);
                      dlg.OKBtnClick();
                    }});
  EXPECT_EQ(offered, (QStringList{"Default", "Sky", "Rose", "Forest"}));
  EXPECT_EQ(texture, BuiltInTexture());  // the Default theme's wallpaper
  EXPECT_EQ(form.ThemeType, 2);
  EXPECT_EQ(form.ThemeMenuColor, 0x000080u);
  EXPECT_EQ(form.Skin->WallPaper(), rose);
  EXPECT_TRUE(WaitUntil([&] { return rosePaints > 0; }));

  // The same theme again: no change, no repaint; the dialog wears the rose wallpaper.
  const qint64 roseKey = form.Skin->WallPaper().cacheKey();
  DialogDriver::Run([&] { form.miChangeThemeClick(); }, {[&](TCommonDlg& dlg) {
                      texture = dlg.MainPanel->jTexture();
                      dlg.OKBtnClick();
                    }});
  EXPECT_EQ(texture, rose);
  EXPECT_EQ(form.ThemeType, 2);
  EXPECT_EQ(form.Skin->WallPaper().cacheKey(), roseKey);
}
