#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "content/ContentError.h"
#include "content/ContentStore.h"
#include "content/ProgramFolders.h"
#include "support/TestFolder.h"
#include "tests/content/PeImage.h"

namespace lumivra {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

using testing::BuildPeImage;
using testing::TestFolder;

class RecordingWarnings : public StartupWarnings {
public:
  void Warn(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

const char kArabicWarning[] = "Warning : Failed to load core file ARef32.dll.";
const char kTranslationWarning[] = "Warning : Failed to load core file ETRRef32.dll.";
const char kInfoWarning[] = "Warning : Failed to core load file SIRef32.dll.";

// A folder with the core files the test asks for, each holding chapter 7.
class CoreFolder {
public:
  CoreFolder(bool arabic, bool translation, bool transliteration, bool info) : dir_("store") {
    if (arabic) dir_.Write(kArabicFile, BuildPeImage({{23, "A7", "a1\r\na2\r\na3\r\n"}}).image);
    if (translation)
      dir_.Write(kTranslationFile, BuildPeImage({{23, "ETR7", "t1\r\nt2\r\nt3\r\n"}}).image);
    if (transliteration)
      dir_.Write(kTransliterationFile, BuildPeImage({{23, "TL7", "l1\r\nl2\r\nl3\r\n"}}).image);
    if (info) dir_.Write(kInfoFile, BuildPeImage({{23, "ci7", "<p>seven</p>"}}).image);
  }
  const TestFolder& dir() const { return dir_; }
  std::string path() const { return dir_.path().string(); }

private:
  TestFolder dir_;
};

TEST(CheckCoreFiles, WarningsInOrderWithExactTexts) {
  struct Case {
    bool a, etr, tl, si;
    std::vector<std::string> warnings;
  };
  const std::vector<Case> cases{
      {true, true, true, true, {}},
      {false, false, false, false, {kArabicWarning, kTranslationWarning, kInfoWarning}},
      {false, true, true, true, {kArabicWarning}},
      {true, false, true, true, {kTranslationWarning}},
      {true, true, true, false, {kInfoWarning}},
      {true, true, false, true, {}},  // the transliteration file is never announced
      {false, true, false, false, {kArabicWarning, kInfoWarning}},
  };
  for (const auto& c : cases) {
    CoreFolder folder(c.a, c.etr, c.tl, c.si);
    ContentStore store(folder.path());
    RecordingWarnings w;
    store.CheckCoreFiles(w);
    EXPECT_EQ(w.texts, c.warnings);
    EXPECT_EQ(store.TransliterationAvailable(), c.tl);
    EXPECT_EQ(store.ArabicLibrary() != nullptr, c.a);
    EXPECT_EQ(store.TranslationLibrary() != nullptr, c.etr);
  }
}

// Damaged files warn as missing ones do, and their reads come back empty.
TEST(CheckCoreFiles, FileThatCannotBeOpenedCountsAsMissing) {
  TestFolder dir("store");
  const std::string sound = BuildPeImage({{23, "ETR7", "t1\r\n"}}).image;
  dir.Write(kArabicFile, "MZ but nothing else");
  dir.Write(kTranslationFile, sound.substr(0, sound.size() / 2));
  dir.Write(kInfoFile, "");
  dir.Write(kTransliterationFile, "junk");
  ContentStore store(dir.path().string());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  EXPECT_EQ(w.texts, (std::vector<std::string>{kArabicWarning, kTranslationWarning, kInfoWarning}));
  EXPECT_EQ(store.ArabicLibrary(), nullptr);
  EXPECT_EQ(store.TranslationLibrary(), nullptr);
  EXPECT_FALSE(store.TransliterationAvailable());
  StringList lines{"old"};
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Translation, "7", lines));
  EXPECT_TRUE(lines.empty());
  lines = {"old"};
  EXPECT_FALSE(store.LoadChapterInfoLines("7", lines));
  EXPECT_TRUE(lines.empty());
}

// Each file comes from the first folder that holds it.
TEST(CheckCoreFiles, FoldersAreSearchedInOrder) {
  CoreFolder second(true, true, true, true);
  TestFolder first("first");
  first.Write(kTranslationFile, BuildPeImage({{23, "ETR7", "first\r\n"}}).image);
  ContentStore store({first.path().string(), second.path()});
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  EXPECT_TRUE(w.texts.empty());
  StringList lines;
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Translation, "7", lines));
  EXPECT_EQ(lines, (StringList{"first"}));
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Arabic, "7", lines));
  EXPECT_EQ(lines, (StringList{"a1", "a2", "a3"}));
  EXPECT_EQ(FindFileIn({first.path().string(), second.path()}, kInfoFile), second.dir() / kInfoFile);
  EXPECT_EQ(FindFileIn({first.path().string()}, kInfoFile), "");
  // The program's own folder comes first for the core files, last for the help file.
  const std::string program = std::filesystem::canonical(LUMIVRA_BUILD_DIR).string();
  EXPECT_EQ(CoreFileFolders(), (std::vector<std::string>{program, "."}));
  EXPECT_EQ(HelpFileFolders(), (std::vector<std::string>{".", program}));
}

TEST(LoadChapterLines, ReadsEachKind) {
  CoreFolder folder(true, true, true, true);
  ContentStore store(folder.path());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  StringList lines;
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Arabic, "7", lines));
  EXPECT_EQ(lines, (StringList{"a1", "a2", "a3"}));
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Translation, "7", lines));
  EXPECT_EQ(lines, (StringList{"t1", "t2", "t3"}));
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  EXPECT_EQ(lines, (StringList{"l1", "l2", "l3"}));
  EXPECT_TRUE(store.LoadChapterInfoLines("7", lines));
  EXPECT_EQ(lines, (StringList{"<p>seven</p>"}));
  lines = {"kept"};
  EXPECT_FALSE(store.LoadChapterLines(static_cast<TextKind>(3), "7", lines));
  EXPECT_EQ(lines, (StringList{"kept"}));
  // Each display option: its first text, then the translation.
  EXPECT_EQ(store.LoadChapterTexts(kArabicAndTranslation, "7").first, (StringList{"a1", "a2", "a3"}));
  EXPECT_EQ(store.LoadChapterTexts(kTransliterationAndTranslation, "7").first,
            (StringList{"l1", "l2", "l3"}));
  const ChapterTexts only = store.LoadChapterTexts(kTranslationOnly, "7");
  EXPECT_TRUE(only.first.empty());
  EXPECT_EQ(only.translation, (StringList{"t1", "t2", "t3"}));
}

TEST(LoadChapterLines, LeadingZeroNamesAnotherResource) {
  CoreFolder folder(true, true, true, true);
  ContentStore store(folder.path());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  StringList lines{"old"};
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Arabic, "07", lines));
  EXPECT_TRUE(lines.empty());
  lines = {"old"};
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Translation, "07", lines));
  EXPECT_TRUE(lines.empty());
  lines = {"old"};
  EXPECT_THAT([&] { store.LoadChapterLines(TextKind::Transliteration, "07", lines); },
              ThrowsMessage<ContentError>(StrEq("Resource TL07 not found")));
  EXPECT_TRUE(lines.empty());
  EXPECT_THROW(store.LoadChapterInfoLines("07", lines), ContentError);
}

TEST(LoadChapterLines, MissingResourcesAreErrorsOnlyPerRead) {
  CoreFolder folder(true, true, true, true);
  ContentStore store(folder.path());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  StringList lines;
  EXPECT_THAT([&] { store.LoadChapterLines(TextKind::Transliteration, "8", lines); },
              ThrowsMessage<ContentError>(StrEq("Resource TL8 not found")));
  EXPECT_THAT([&] { store.LoadChapterInfoLines("8", lines); },
              ThrowsMessage<ContentError>(StrEq("Resource ci8 not found")));
  EXPECT_TRUE(store.LoadChapterInfoLines("7", lines));
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Arabic, "8", lines));
}

TEST(LoadChapterLines, MissingTransliterationFileLeavesListAlone) {
  CoreFolder folder(true, true, false, true);
  ContentStore store(folder.path());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  StringList lines{"caller's", "lines"};
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  EXPECT_EQ(lines, (StringList{"caller's", "lines"}));
  EXPECT_EQ(store.PerReadOpenCount(), 0);
  // Appearing later changes nothing for this run.
  folder.dir().Write(kTransliterationFile, BuildPeImage({{23, "TL7", "x"}}).image);
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  EXPECT_EQ(lines.size(), 2u);
}

TEST(LoadChapterLines, MissingArabicFileStillReadsTheOthers) {
  CoreFolder folder(false, true, true, false);
  ContentStore store(folder.path());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  StringList lines{"x"};
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Arabic, "7", lines));
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Translation, "7", lines));
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  // Arriving after start-up does not make it available.
  folder.dir().Write(kArabicFile, BuildPeImage({{23, "A7", "late"}}).image);
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Arabic, "7", lines));
  // The information file is not checked again when read: missing means false.
  lines = {"x"};
  EXPECT_FALSE(store.LoadChapterInfoLines("7", lines));
  EXPECT_TRUE(lines.empty());
}

TEST(LoadChapterLines, PerReadFilesOpenEveryTime) {
  CoreFolder folder(true, true, true, true);
  ContentStore store(folder.path());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  StringList lines;
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  EXPECT_EQ(store.PerReadOpenCount(), 2);
  // Each read sees the file as it is now; a read does not keep it.
  folder.dir().Write(kTransliterationFile, BuildPeImage({{23, "TL7", "changed\r\n"}}).image);
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  EXPECT_EQ(lines, (StringList{"changed"}));
  std::filesystem::remove(folder.dir() / kTransliterationFile);
  lines = {"x"};
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(store.PerReadOpenCount(), 4);
  // The kept files are unaffected by changes on disk.
  std::filesystem::remove(folder.dir() / kArabicFile);
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Arabic, "7", lines));
}

// The kept files are read as chapters are asked for: one replaced since
// start-up is still read as it was opened; one cut short in place no longer
// holds the chapter, and nothing is read past its end.
TEST(LoadChapterLines, KeptFilesAreReadWhenAsked) {
  CoreFolder folder(true, true, false, true);
  ContentStore store(folder.path());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  const auto arabic = folder.dir() / kArabicFile;
  std::filesystem::rename(arabic, folder.dir() / "old.dll");
  folder.dir().Write(kArabicFile, "replaced");
  StringList lines;
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Arabic, "7", lines));
  EXPECT_EQ(lines, (StringList{"a1", "a2", "a3"}));
  std::filesystem::resize_file(folder.dir() / kTranslationFile, 64);
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Translation, "7", lines));
  EXPECT_TRUE(lines.empty());
}

TEST(LoadChapterLines, ReleaseEndsTheKeptFiles) {
  CoreFolder folder(true, true, true, true);
  ContentStore store(folder.path());
  RecordingWarnings w;
  store.CheckCoreFiles(w);
  store.Release();
  StringList lines;
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Arabic, "7", lines));
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Translation, "7", lines));
}

}  // namespace
}  // namespace lumivra
