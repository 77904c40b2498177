// Settings.ini and the bookmark menu as the reader window uses them.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <cstdlib>

#include "content/Cp1252.h"
#include "skin/Artwork.h"
#include "skin/TepSchemeStore.h"
#include "state/Bookmarks.h"
#include "support/DialogDriver.h"
#include "tests/app/ReaderTestSupport.h"

using namespace lumivra;
using namespace lumivra::testing;

namespace {

bool TemporaryFilesLeft() {
  for (const auto& entry : std::filesystem::directory_iterator("."))
    if (entry.path().filename().string().rfind("Settings.ini.", 0) == 0) return true;
  return false;
}

QString Utf8(const std::string& cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

DialogDriver::Drive TypeAndEnter(std::string text) {
  return [text](TCommonDlg& dlg) {
    QTest::keyClicks(dlg.GotoEdit, QString::fromStdString(text));
    QTest::keyClick(dlg.GotoEdit, Qt::Key_Return);
  };
}

class SettingsWindowTest : public ReaderTest {
protected:
  QAction* Item(size_t i) { return i < 10 ? Form().B[i] : Form().C[i - 10]; }
  std::vector<QString> ShownCaptions() {
    std::vector<QString> captions;
    for (size_t i = 0; i < kMaxBookmarks; ++i)
      if (Item(i)->isVisible()) captions.push_back(Item(i)->text());
    return captions;
  }
  void AddBookmark(const std::string& entry) {
    EXPECT_EQ(DialogDriver::Run([this] { Form().AddNewBookmark->trigger(); }, {[&](TCommonDlg& dlg) {
                EXPECT_EQ(dlg.windowTitle(), "Add New Bookmark");
                TypeAndEnter(entry)(dlg);
              }}),
              1);
  }
  void DeleteBookmark(int index, QStringList* offered = nullptr) {
    DialogDriver::Run([this] { Form().DeleteBookmarks->trigger(); }, {[=](TCommonDlg& dlg) {
                        if (offered)
                          for (int i = 0; i < dlg.DisplayCombo->count(); ++i) *offered << dlg.DisplayCombo->itemText(i);
                        dlg.DisplayCombo->setCurrentIndex(index);
                        dlg.OKBtnClick();
                      }});
  }
  std::string SavedFile() { return ReadBytes("Settings.ini"); }
};

}  // namespace

TEST_F(SettingsWindowTest, NoFileGivesDefaultsAndClosingWritesFourLines) {
  TMainForm& form = Open();
  EXPECT_EQ(form.ViewOption, 0);
  EXPECT_FALSE(form.DeleteBookmarks->isEnabled());
  EXPECT_FALSE(form.N3->isVisible());
  form.ViewOption = 2;
  form.close();  // the close box
  const std::string saved = SavedFile();
  const QRegularExpression header(R"(^\[Settings \d\d\D\d\d\D\d{4} \d\d\D\d\d\D\d\d\]\r\n)");
  EXPECT_TRUE(header.match(QString::fromStdString(saved)).hasMatch()) << saved;
  EXPECT_NE(saved.find("]\r\nViewOption=2\r\nThemeType=0\r\nInitODefaultPage=0\r\n"), std::string::npos);
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 4);
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(SettingsWindowTest, SavedSettingsComeBackAtTheNextStart) {
  WriteBytes("Settings.ini",
               "[Settings 05/03/2002 14:07:09]\r\nViewOption=1\r\nThemeType=2\r\nInitODefaultPage=1\r\n \r\n"
               "[Bookmarks]\r\n2:255\r\n7:86\r\n");
  TMainForm& form = Open();
  EXPECT_EQ(form.ViewOption, 1);
  EXPECT_EQ(form.ThemeType, 2);  // the Rose theme, applied while the window was made
  EXPECT_EQ(form.ThemeMenuColor, 0x000080u);
  EXPECT_EQ(form.Skin->WallPaper(), ArtworkImage("rose_wallpaper").convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(form.InitODefaultPage, 1);
  EXPECT_EQ(QString::fromStdString(PageUrl()).toLower(), "res://olvar.exe/mainolvarpage");
  EXPECT_EQ(form.BookmarkList, (StringList{"2:255", "7:86"}));
  EXPECT_TRUE(form.N3->isVisible());
  EXPECT_TRUE(form.DeleteBookmarks->isEnabled());
  EXPECT_EQ(ShownCaptions(), (std::vector<QString>{Utf8(BookmarkCaption("2:255")), Utf8(BookmarkCaption("7:86"))}));
  EXPECT_EQ(form.B[1]->text(), Utf8("7. Al-A'r\xE2" "f : The Purgatory... Verse 86"));
  form.miExit->trigger();  // "&Exit" writes through the same path
  const std::string saved = SavedFile();
  EXPECT_NE(saved.find("]\r\nViewOption=1\r\nThemeType=2\r\nInitODefaultPage=1\r\n \r\n[Bookmarks]\r\n2:255\r\n7:86\r\n"),
            std::string::npos);
}

TEST_F(SettingsWindowTest, UnreadableNumbersKeepTheBookmarksAndTheDeleteCommand) {
  std::string file = "ViewOption=1 \r\nThemeType=1\r\nInitODefaultPage=1\r\n[Bookmarks]\r\n";
  for (int verse = 1; verse <= 20; ++verse) file += "2:" + std::to_string(verse) + "\r\n";
  WriteBytes("Settings.ini", file);
  TMainForm& form = Open();
  EXPECT_EQ(form.ViewOption, 0);
  EXPECT_EQ(form.ThemeType, 0);
  EXPECT_EQ(form.InitODefaultPage, 0);
  EXPECT_EQ(form.ThemeMenuColor, 0xFFFFFFu);
  EXPECT_EQ(form.BookmarkList.size(), kMaxBookmarks);
  EXPECT_TRUE(form.C[9]->isVisible());
  // A full list can be thinned out, and then added to again.
  ASSERT_TRUE(form.DeleteBookmarks->isEnabled());
  DeleteBookmark(0);
  EXPECT_EQ(form.BookmarkList.front(), "2:2");
  AddBookmark("7:86");
  EXPECT_EQ(form.BookmarkList.back(), "7:86");
  EXPECT_EQ(form.C[9]->data().toInt(), 19);
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(SettingsWindowTest, AddingBookmarksRefusesDuplicatesChapterOnlyAndTheTwentyFirst) {
  TMainForm& form = Open();
  AddBookmark("7:86");
  EXPECT_TRUE(form.N3->isVisible());
  EXPECT_TRUE(form.B[0]->isVisible());
  EXPECT_TRUE(form.DeleteBookmarks->isEnabled());
  AddBookmark("7.86");
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Information);
  EXPECT_EQ(boxes_.boxes[0].title, "Information");
  EXPECT_EQ(boxes_.boxes[0].text, "Enable to add bookmark : Bookmark is already present.");
  AddBookmark("7");
  EXPECT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(form.BookmarkList, StringList{"7:86"});

  for (int i = 2; i <= 20; ++i) AddBookmark(std::to_string(i) + ":1");
  ASSERT_EQ(form.BookmarkList.size(), 20u);
  EXPECT_TRUE(form.C[9]->isVisible());
  EXPECT_EQ(form.C[9]->data().toInt(), 19);
  EXPECT_EQ(form.C[9]->text(), Utf8(BookmarkCaption("20:1")));
  AddBookmark("99:9");
  ASSERT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes[1].text, "Enable to add bookmark : A maximum of 20 bookmarks are allowed.");
  EXPECT_EQ(form.BookmarkList.size(), 20u);
}

TEST_F(SettingsWindowTest, DeletingKeepsOrderAndTagsAndTheLastLeavesTheSeparator) {
  WriteBytes("Settings.ini", "ViewOption=0\r\nThemeType=0\r\n[Bookmarks]\r\n1:1\r\n2:2\r\n3:3\r\n4:4\r\n5:5\r\n");
  TMainForm& form = Open();
  QStringList offered;
  DeleteBookmark(2, &offered);
  ASSERT_EQ(offered.size(), 5);
  EXPECT_EQ(offered[2], Utf8(BookmarkCaption("3:3")));
  EXPECT_EQ(form.BookmarkList, (StringList{"1:1", "2:2", "4:4", "5:5"}));
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(form.B[i]->isVisible());
    EXPECT_EQ(form.B[i]->data().toInt(), static_cast<int>(i));
    EXPECT_EQ(form.B[i]->text(), Utf8(BookmarkCaption(form.BookmarkList[i])));
  }
  EXPECT_FALSE(form.B[4]->isVisible());

  while (!form.BookmarkList.empty()) DeleteBookmark(0);
  EXPECT_TRUE(ShownCaptions().empty());
  EXPECT_FALSE(form.DeleteBookmarks->isEnabled());
  EXPECT_TRUE(form.N3->isVisible());
  // Cancelled or empty: nothing happens.
  EXPECT_EQ(DialogDriver::Run([&] { form.DeleteBookmarksClick(); }, {}), 0);
}

TEST_F(SettingsWindowTest, FollowingBookmarksIncludingHandEditedOnes) {
  std::string file = "ViewOption=0\r\nThemeType=0\r\n[Bookmarks]\r\nabc:def\r\n7:\r\n:86\r\n";
  for (int i = 2; i <= 11; ++i) file += std::to_string(i) + ":3\r\n";
  file += "007:86\r\n";
  WriteBytes("Settings.ini", file);
  TMainForm& form = Open();
  form.LocatePauseMs = 0;
  ASSERT_EQ(form.BookmarkList.size(), 12u);
  EXPECT_EQ(form.B[0]->text(), "Not Known... Verse def");

  form.B[0]->trigger();  // abc:def leads nowhere
  EXPECT_EQ(CurrentKey(), "Olvar~0");
  form.C[0]->trigger();  // the eleventh, 11:3
  EXPECT_EQ(CurrentKey(), "Olvar~11");
  EXPECT_EQ(Eval("window.getSelection().toString()"), "11:3");
  form.C[1]->trigger();  // 007:86 is not on the page
  EXPECT_EQ(CurrentKey(), "Olvar~7");
  EXPECT_EQ(Eval("window.getSelection().toString()"), "");
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(SettingsWindowTest, TheSettingsFolderTheLauncherCouldNotMakeIsToldOnce) {
  qputenv("LUMIVRA_UNUSABLE_SETTINGS_FOLDER", "/home/r\xC3\xA2/.config/lumivra");
  Open();
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes_.boxes[0].title, "Warning");
  EXPECT_TRUE(boxes_.boxes[0].text.startsWith(
      QString::fromUtf8("Warning : Failed to use settings folder /home/r\u00E2/.config/lumivra. ")));
  EXPECT_FALSE(qEnvironmentVariableIsSet("LUMIVRA_UNUSABLE_SETTINGS_FOLDER"));
}

TEST_F(SettingsWindowTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
  const std::string old = "ViewOption=2\r\nThemeType=1\r\n[Bookmarks]\r\n7:86\r\n";
  WriteBytes("Settings.ini", old);
  TMainForm& form = Open();
  AddBookmark("2:255");
  const std::string folder = std::filesystem::current_path().string();
  if (std::system(("chattr +i '" + folder + "' 2>/dev/null").c_str()) != 0) {
    // No immutable folders here: a folder where the file should be.
    std::filesystem::remove("Settings.ini");
    std::filesystem::create_directory("Settings.ini");
  }
  form.close();
  std::system(("chattr -i '" + folder + "' 2>/dev/null").c_str());
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].icon, QMessageBox::Critical);
  EXPECT_EQ(boxes_.boxes[0].title, "Lumivra");
  EXPECT_EQ(boxes_.boxes[0].text, "Cannot create file Settings.ini.");
  if (std::filesystem::is_regular_file("Settings.ini")) {
    EXPECT_EQ(SavedFile(), old);
  }
  EXPECT_FALSE(TemporaryFilesLeft());
}
