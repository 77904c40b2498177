#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <random>

#include "content/ContentError.h"
#include "content/TextLines.h"
#include "state/SettingsFile.h"
#include "support/TestFolder.h"
#include "tests/state/SettingsSaver.h"

using namespace lumivra;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
  void TearDown() override { std::system(("chattr -i '" + dir_.string() + "' 2>/dev/null").c_str()); }
  void Put(const std::string& bytes) { lumivra::testing::WriteBytes(path_, bytes); }
  std::string Get() const { return lumivra::testing::ReadBytes(path_); }
  size_t EntryCount() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  void ExpectCannotCreate(const std::string& path) {
    EXPECT_THAT([&] { WriteSettingsFile(path, SettingsValues{}, "now"); },
                ThrowsMessage<ContentError>(StrEq("Cannot create file " + path)));
  }

  lumivra::testing::TestFolder folder_{"settings"};
  const fs::path& dir_ = folder_.path();
  std::string path_ = folder_ / "Settings.ini";
};

}  // namespace

TEST_F(SettingsFileTest, MissingEmptyAndUnreadableFilesGiveNothing) {
  EXPECT_FALSE(ReadSettingsFile(path_));
  Put("");
  EXPECT_FALSE(ReadSettingsFile(path_));
  Put(std::string("\0ViewOption=1\r\n", 15));
  EXPECT_FALSE(ReadSettingsFile(path_));
  fs::remove(path_);
  fs::create_directory(path_);
  EXPECT_FALSE(ReadSettingsFile(path_));
}

TEST_F(SettingsFileTest, EveryLineBreakEndsALine) {
  Put("a\r\nb\rc\nd");
  EXPECT_EQ(ReadSettingsFile(path_), (StringList{"a", "b", "c", "d"}));
}

TEST_F(SettingsFileTest, SavedFileIsExactAndReadsBack) {
  SettingsValues values;
  values.viewOption = 1;
  values.themeType = 1;
  values.bookmarks = {"2:255", "7:86"};
  WriteSettingsFile(path_, values, "05/03/2002 14:07:09");
  EXPECT_EQ(Get(),
            "[Settings 05/03/2002 14:07:09]\r\nViewOption=1\r\nThemeType=1\r\nInitODefaultPage=0\r\n"
            " \r\n[Bookmarks]\r\n2:255\r\n7:86\r\n");
  // Replacing a longer file leaves nothing of it behind, nor any temporary file.
  WriteSettingsFile(path_, SettingsValues{}, "t");
  EXPECT_EQ(Get(), "[Settings t]\r\nViewOption=0\r\nThemeType=0\r\nInitODefaultPage=0\r\n");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(SettingsFileTest, ReplacedFileKeepsItsModeAndANewOneTakesTheUmask) {
  Put("old");
  ::chmod(path_.c_str(), 0640);
  WriteSettingsFile(path_, SettingsValues{}, "t");
  struct stat st {};
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  fs::remove(path_);
  const mode_t umask = ::umask(022);
  WriteSettingsFile(path_, SettingsValues{}, "t");
  ::umask(umask);
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFile) {
  const std::string old = "ViewOption=2\r\nThemeType=1\r\n[Bookmarks]\r\n7:86\r\n";
  Put(old);
  // A file size limit makes every write past a few bytes fail, as a full disk does.
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 8;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  ExpectCannotCreate(path_);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(Get(), old);
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(SettingsFileTest, UnwritableFolderOrNameLeavesTheOldFile) {
  // A folder that is a file, and a target name that is a folder.
  Put("old");
  ExpectCannotCreate(path_ + "/Settings.ini");
  const std::string folderName = (dir_ / "Folder.ini").string();
  fs::create_directory(folderName);
  ExpectCannotCreate(folderName);
  EXPECT_TRUE(fs::is_directory(folderName));
  EXPECT_EQ(EntryCount(), 2u);

  // A folder nobody may write to, root included.
  if (std::system(("chattr +i '" + dir_.string() + "' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "no immutable folders here";
  ExpectCannotCreate(path_);
  EXPECT_EQ(Get(), "old");
}

TEST_F(SettingsFileTest, SaveKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
  using lumivra::testing::SaverStamp;
  using lumivra::testing::SaverValues;
  const std::string whole[2] = {JoinLines(BuildSettingsLines(SaverValues(0), SaverStamp(0))),
                                JoinLines(BuildSettingsLines(SaverValues(1), SaverStamp(1)))};
  WriteSettingsFile(path_, SaverValues(0), SaverStamp(0));
  std::mt19937 random(20240601);
  std::string folder = dir_.string();
  char* argv[] = {const_cast<char*>(LUMIVRA_SETTINGS_SAVER), folder.data(), nullptr};
  int changed = 0, leftBehind = 0;
  std::string last = whole[0];
  for (int round = 0; round < 200; ++round) {
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
    ::usleep(static_cast<useconds_t>(random() % 15000));
    ::kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    const std::string now = Get();
    ASSERT_TRUE(now == whole[0] || now == whole[1]) << "round " << round << ":\n" << now;
    changed += now != last;
    last = now;
    leftBehind += EntryCount() > 1;
  }
  // The kills came both between and during saves.
  EXPECT_GT(changed, 0);
  EXPECT_GT(leftBehind, 0);
  // The next save clears what the killed ones left.
  WriteSettingsFile(path_, SaverValues(1), SaverStamp(1));
  EXPECT_EQ(Get(), whole[1]);
  EXPECT_EQ(EntryCount(), 1u);
}
