// olvar-tool search, run in a folder holding a translation file.
#include <gtest/gtest.h>

#include <map>

#include "tests/content/PeImage.h"
#include "tests/search/TranslationFixture.h"
#include "tests/tools/ToolTestSupport.h"

namespace lumivra {
namespace {

using testing::Quote;
using testing::ReadBytes;
using testing::TestFolder;

using Run = testing::ToolRun;

Run Search(const TestFolder& dir, const std::string& args) {
  return testing::RunTool(dir, "search " + args);
}

void WriteTranslation(const TestFolder& dir, const std::map<int, std::string>& chapters, int missing = 0) {
  std::vector<testing::PeResource> resources;
  for (int n = 1; n <= 114; ++n) {
    if (n == missing) continue;
    auto it = chapters.find(n);
    resources.push_back({23, "ETR" + std::to_string(n), it != chapters.end() ? it->second : "nothing\r\n"});
  }
  testing::WriteBytes(dir / "ETRRef32.dll", testing::BuildPeImage(resources).image);
}

TEST(SearchCommand, PrintsTheCountThenTheListLines) {
  TestFolder dir("tools");
  WriteTranslation(dir, {{1, "His mercy\r\nnone\r\n"}, {2, "x\r\nMercy's way\r\n"}, {55, "MERCY\r\n"}});
  auto r = Search(dir, "' mercy '");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // The chapter names are Windows-1252: "â" is one byte.
  EXPECT_EQ(r.out,
            "Found : 3.\n"
            "Surah/Chapter 001 - Al-F\xE2tihah. Ayat/Verse : 1.\n"
            "Surah/Chapter 002 - Al-Baqarah. Ayat/Verse : 2.\n"
            "Surah/Chapter 055 - Ar-Rahm\xE2n. Ayat/Verse : 1.\n");

  r = Search(dir, "mercy 2");
  EXPECT_EQ(r.out, "Found : 1.\nSurah/Chapter 002 - Al-Baqarah. Ayat/Verse : 2.\n");
  r = Search(dir, "mercy 0");
  EXPECT_EQ(r.out.substr(0, 11), "Found : 3.\n");
  r = Search(dir, "absent");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "Found : 0.\n");
}

TEST(SearchCommand, TerminalTextIsTakenAsUtf8) {
  TestFolder dir("tools");
  WriteTranslation(dir, {{3, "caf\xE9\r\n"}});
  auto r = Search(dir, "caf\xC3\xA9");  // UTF-8 "café"
  EXPECT_EQ(r.out.substr(0, 11), "Found : 1.\n");
  r = Search(dir, "caf\xE9");  // already Windows-1252
  EXPECT_EQ(r.out.substr(0, 11), "Found : 1.\n");
}

TEST(SearchCommand, ArabicTextSearchesTheArabicFile) {
  TestFolder dir("tools");
  WriteTranslation(dir, {{1, "a\r\nb\r\nc\r\n"}, {2, "d\r\n"}});
  testing::WriteBytes(dir / "ARef32.dll",
                      testing::ArabicImage({{1, {"ٱلرَّحۡمَٰنِ", "رَبِّ", "ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ"}}, {2, {"ٱلرَّحۡمَٰنُ"}}}));
  auto r = Search(dir, "' الرحمان '");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "Found : 3.\n"
            "Surah/Chapter 001 - Al-F\xE2tihah. Ayat/Verse : 1.\n"
            "Surah/Chapter 001 - Al-F\xE2tihah. Ayat/Verse : 3.\n"
            "Surah/Chapter 002 - Al-Baqarah. Ayat/Verse : 1.\n");
  EXPECT_EQ(Search(dir, "الرحمن 2").out, "Found : 1.\nSurah/Chapter 002 - Al-Baqarah. Ayat/Verse : 1.\n");

  // A damaged or missing Arabic file: nothing found, and a warning.
  for (const bool remove : {false, true}) {
    if (remove) std::filesystem::remove(dir / "ARef32.dll");
    else testing::WriteBytes(dir / "ARef32.dll", "MZ not a module");
    r = Search(dir, "الرحمن");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Found : 0.\n");
    EXPECT_NE(r.err.find("ARef32.dll"), std::string::npos) << r.err;
  }
}

TEST(SearchCommand, RefusesBlankTextAndScopesOutsideTheList) {
  TestFolder dir("tools");
  WriteTranslation(dir, {});
  for (const std::string args : {"''", "'  '", "'' 3", "x 115", "x -1", "x two", "x 1 2"}) {
    auto r = Search(dir, args);
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_TRUE(r.out.empty()) << args;
    EXPECT_FALSE(r.err.empty()) << args;
  }
  EXPECT_NE(Search(dir, "''").err.find("blank"), std::string::npos);
  EXPECT_NE(Search(dir, "x 115").err.find("115"), std::string::npos);
  EXPECT_EQ(Search(dir, "nothing 114").out, "Found : 1.\nSurah/Chapter 114 - An-N\xE2s. Ayat/Verse : 1.\n");
}

TEST(SearchCommand, MissingTranslationOrChapter) {
  TestFolder dir("tools");
  auto r = Search(dir, "x");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("ETRRef32.dll"), std::string::npos);

  WriteTranslation(dir, {}, 7);
  r = Search(dir, "x");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Resource ETR7 not found"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace lumivra
