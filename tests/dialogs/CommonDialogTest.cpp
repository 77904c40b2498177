#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "content/DisplayOption.h"
#include "controls/CorelButton.h"
#include "controls/JPanelTexture.h"
#include "dialogs/CommonDialog.h"

using namespace lumivra;

namespace {

QStringList Names(const std::vector<std::string>& names) {
  QStringList list;
  for (const auto& n : names) list << QString::fromStdString(n);
  return list;
}

struct Shown {
  explicit Shown(TCommonDlg& dialog) : dlg(dialog) {
    dlg.show();
    QApplication::processEvents();
  }
  ~Shown() { dlg.hide(); }
  TCommonDlg& dlg;
};

}  // namespace

TEST(CommonDialog, CreationLooksLikeTheGoToBox) {
  TCommonDlg dlg;
  EXPECT_EQ(dlg.windowTitle(), "Goto Chapter/Verse");
  EXPECT_EQ(dlg.size(), QSize(289, 94));
  EXPECT_EQ(dlg.Mode(), 0);
  EXPECT_EQ(dlg.DisplayName(), "Arabic & English Translation");
  EXPECT_EQ(dlg.MessageLabel->text(), "&Chapter/Verse :");
  EXPECT_EQ(dlg.ExampleLabel->text(), "e.g. 7:86, 7.86 or 7,86");
  EXPECT_EQ(dlg.GotoEdit->maxLength(), 6);
  EXPECT_EQ(dlg.DisplayCombo->count(), 0);  // each mode that shows the list fills it
  EXPECT_EQ(dlg.DisplayCombo->currentIndex(), -1);
  EXPECT_EQ(dlg.OKBtn->geometry(), QRect(126, 63, 75, 23));
  EXPECT_EQ(dlg.CloseBtn->geometry(), QRect(206, 63, 75, 23));
  EXPECT_EQ(dlg.MainPanel->jStyleTexture(), TJPanelTextureStyle::txTile);
  EXPECT_FALSE(dlg.MainPanel->jTexture().isNull());
  dlg.SetMode(7);
  EXPECT_EQ(dlg.Mode(), 0);
  dlg.SetMode(1);
  dlg.SetDisplayList({"x"});  // not in mode 2
  EXPECT_EQ(dlg.DisplayCombo->count(), 0);

  Shown shown(dlg);
  EXPECT_TRUE(dlg.GotoEdit->isVisible());
  EXPECT_FALSE(dlg.DisplayCombo->isVisible());
  EXPECT_FALSE(dlg.LogoImage->isVisible());
  EXPECT_EQ(dlg.focusWidget(), dlg.GotoEdit);
}

TEST(CommonDialog, GoToFieldFiltersKeysAndEnterIsOk) {
  TCommonDlg dlg;
  dlg.SetMode(1);
  Shown shown(dlg);
  QTest::keyClick(dlg.GotoEdit, Qt::Key_Return);  // empty: nothing
  EXPECT_TRUE(dlg.isVisible());
  QTest::keyClicks(dlg.GotoEdit, "7a/:8.6");
  EXPECT_EQ(dlg.GotoEdit->text(), "7:86");
  QTest::keyClick(dlg.GotoEdit, Qt::Key_Backspace);
  QTest::keyClick(dlg.GotoEdit, Qt::Key_Backspace);
  QTest::keyClick(dlg.GotoEdit, Qt::Key_Backspace);
  QTest::keyClicks(dlg.GotoEdit, ".86");
  EXPECT_EQ(dlg.GotoEdit->text(), "7.86");
  QTest::keyClick(dlg.GotoEdit, Qt::Key_Enter);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_TRUE(dlg.GotoAccepted());
  EXPECT_EQ(dlg.GotoChapter(), 7);
  EXPECT_EQ(dlg.GotoVerseRef(), "7:86");
}

TEST(CommonDialog, GoToRefusalsKeepTheBoxOpen) {
  TCommonDlg dlg;
  dlg.SetMode(1);
  QStringList reports;
  dlg.ErrorReport = [&](const QString& text) { reports << text; };
  Shown shown(dlg);
  for (const char* entry : {"115", "0:5", "2:287", ":86", ""}) {
    dlg.GotoEdit->setText(entry);
    dlg.OKBtn->setFocus();
    QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible()) << entry;
    EXPECT_EQ(dlg.focusWidget(), dlg.GotoEdit) << entry;
  }
  EXPECT_TRUE(reports.isEmpty());
  dlg.GotoEdit->setText("abc");  // pasted past the filter
  dlg.OKBtnClick();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(reports, QStringList{"'abc' is not a valid integer value"});
  EXPECT_FALSE(dlg.GotoAccepted());

  dlg.GotoEdit->setText("114");
  dlg.OKBtnClick();
  EXPECT_TRUE(dlg.GotoAccepted());
  EXPECT_EQ(dlg.GotoChapter(), 114);
  EXPECT_EQ(dlg.GotoVerseRef(), "");
}

TEST(CommonDialog, GoToCancelAndCloseBox) {
  TCommonDlg cancelled;
  cancelled.SetMode(1);
  {
    Shown shown(cancelled);
    cancelled.GotoEdit->setText("7:86");
    QTest::mouseClick(cancelled.CloseBtn, Qt::LeftButton);
    EXPECT_FALSE(cancelled.isVisible());
  }
  EXPECT_FALSE(cancelled.GotoAccepted());
  EXPECT_EQ(cancelled.GotoVerseRef(), "");

  TCommonDlg closed;
  closed.SetMode(4);
  closed.SetThemeIndex(2);
  Shown shown(closed);
  closed.DisplayCombo->setCurrentIndex(3);
  closed.close();
  EXPECT_FALSE(closed.ThemeChanged());
  EXPECT_EQ(closed.ThemeIndex(), 2);
}

TEST(CommonDialog, DisplayOptionWithoutTransliteration) {
  TCommonDlg dlg;
  dlg.SetMode(2);
  dlg.SetDisplayList(Names(lumivra::DisplayOptionNames(false)));
  dlg.SetDisplayName(QString::fromStdString(lumivra::DisplayOptionName(1)));
  EXPECT_EQ(dlg.windowTitle(), "Chapter Display Options");
  EXPECT_EQ(dlg.MessageLabel->text(), "&Select Display");
  ASSERT_EQ(dlg.DisplayCombo->count(), 2);
  EXPECT_EQ(dlg.DisplayCombo->itemText(0), "Arabic & English Translation");
  EXPECT_EQ(dlg.DisplayCombo->itemText(1), "English Translation Only");
  EXPECT_EQ(dlg.DisplayCombo->currentIndex(), -1);

  Shown shown(dlg);
  EXPECT_FALSE(dlg.GotoEdit->isVisible());
  EXPECT_FALSE(dlg.ExampleLabel->isVisible());
  EXPECT_EQ(dlg.focusWidget(), dlg.DisplayCombo);
  dlg.OKBtnClick();  // nothing chosen
  EXPECT_TRUE(dlg.isVisible());
  dlg.DisplayCombo->setCurrentIndex(1);
  QTest::keyClick(dlg.DisplayCombo, Qt::Key_Return);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_TRUE(dlg.DisplayChanged());
  EXPECT_EQ(dlg.DisplayName(), "English Translation Only");
}

TEST(CommonDialog, DisplayOptionSameNameOrCancelChangesNothing) {
  TCommonDlg same;
  same.SetMode(2);
  same.SetDisplayList(Names(lumivra::DisplayOptionNames(true)));
  same.SetDisplayName("Transliteration & English Translation");
  EXPECT_EQ(same.DisplayCombo->currentIndex(), 1);
  same.SetDisplayName("transliteration & english translation");  // case counts
  EXPECT_EQ(same.DisplayCombo->currentIndex(), 1);
  same.SetDisplayName("Transliteration & English Translation");
  same.OKBtnClick();
  EXPECT_FALSE(same.DisplayChanged());

  TCommonDlg cancelled;
  cancelled.SetMode(2);
  cancelled.SetDisplayList(Names(lumivra::DisplayOptionNames(true)));
  cancelled.DisplayCombo->setCurrentIndex(2);
  cancelled.CloseBtnClick();
  EXPECT_FALSE(cancelled.DisplayChanged());
  EXPECT_EQ(cancelled.DisplayName(), "Arabic & English Translation");
}

TEST(CommonDialog, ThemeChooser) {
  TCommonDlg dlg;
  dlg.SetMode(4);
  EXPECT_EQ(dlg.windowTitle(), "Change Theme");
  EXPECT_EQ(dlg.MessageLabel->text(), "&Select Theme");
  ASSERT_EQ(dlg.DisplayCombo->count(), 4);
  EXPECT_EQ(dlg.DisplayCombo->itemText(3), "Forest");
  dlg.SetThemeIndex(2);
  EXPECT_EQ(dlg.DisplayCombo->currentText(), "Rose");
  dlg.OKBtnClick();
  EXPECT_FALSE(dlg.ThemeChanged());
  EXPECT_EQ(dlg.ThemeIndex(), 2);

  TCommonDlg other;
  other.SetMode(4);
  other.SetThemeIndex(9);  // outside: nothing selected
  EXPECT_EQ(other.DisplayCombo->currentIndex(), -1);
  Shown shown(other);
  other.OKBtnClick();
  EXPECT_TRUE(other.isVisible());
  other.DisplayCombo->setCurrentIndex(1);
  other.OKBtnClick();
  EXPECT_TRUE(other.ThemeChanged());
  EXPECT_EQ(other.ThemeIndex(), 1);
}

TEST(CommonDialog, DeleteBookmarkChooser) {
  TCommonDlg empty;
  empty.SetMode(6);
  EXPECT_EQ(empty.windowTitle(), "Delete Bookmark");
  EXPECT_EQ(empty.MessageLabel->text(), "&Select bookmark to delete");
  EXPECT_EQ(empty.DisplayCombo->count(), 0);
  empty.SetBookmarkList({});
  {
    Shown shown(empty);
    empty.OKBtnClick();
    EXPECT_TRUE(empty.isVisible());
    empty.CloseBtnClick();
  }
  EXPECT_FALSE(empty.DeleteAccepted());

  TCommonDlg dlg;
  dlg.SetMode(6);
  dlg.SetBookmarkList({"a", "b", "c"});
  EXPECT_EQ(dlg.DisplayCombo->currentIndex(), 0);
  dlg.DisplayCombo->setCurrentIndex(2);
  dlg.OKBtnClick();
  EXPECT_TRUE(dlg.DeleteAccepted());
  EXPECT_EQ(dlg.DeleteIndex(), 2);
}

TEST(CommonDialog, AboutBoxOpensTheTeamBoxOverIt) {
  TCommonDlg dlg;
  dlg.SetMode(3);
  EXPECT_EQ(dlg.windowTitle(), "About");
  EXPECT_EQ(dlg.OKBtn->text(), "&Team");
  EXPECT_EQ(dlg.CloseBtn->text(), "&OK");
  EXPECT_EQ(dlg.ProductLabel->text(), "Lumivra");
  EXPECT_EQ(dlg.VersionLabel->text(), "Version 3.0  (Build 3.49)");
  ASSERT_FALSE(dlg.LogoImage->pixmap().isNull());
  EXPECT_EQ(dlg.LogoImage->pixmap().size(), QSize(46, 45));
  Shown shown(dlg);
  for (QWidget* w : std::initializer_list<QWidget*>{dlg.OKBtn, dlg.LogoImage, dlg.SepBevel, dlg.ProductLabel,
                                                    dlg.NoticeLabel, dlg.VersionLabel})
    EXPECT_TRUE(w->isVisible());
  for (QWidget* w : std::initializer_list<QWidget*>{dlg.GotoEdit, dlg.DisplayCombo, dlg.ExampleLabel,
                                                    dlg.MessageLabel, dlg.Bevel, dlg.DeveloperLabel})
    EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(dlg.focusWidget(), dlg.CloseBtn);

  QString teamTitle, developer;
  bool teamTextured = false;
  QTimer::singleShot(50, [&] {
    auto* team = qobject_cast<TCommonDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(team, nullptr);
    teamTitle = team->windowTitle();
    developer = team->DeveloperLabel->isVisible() ? team->DeveloperLabel->text() : QString();
    teamTextured = !team->MainPanel->jTexture().isNull();
    EXPECT_FALSE(team->OKBtn->isVisible());
    EXPECT_TRUE(team->WebContentLabel->text().startsWith("Project Mangement & Testing : "));
    QTest::mouseClick(team->CloseBtn, Qt::LeftButton);
  });
  QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
  EXPECT_EQ(teamTitle, "Development Team");
  EXPECT_TRUE(developer.startsWith("Application Development : "));
  EXPECT_TRUE(developer.endsWith("."));
  EXPECT_TRUE(teamTextured);
  EXPECT_TRUE(dlg.isVisible());  // the about box stays
  QTest::mouseClick(dlg.CloseBtn, Qt::LeftButton);
  EXPECT_FALSE(dlg.isVisible());
}
