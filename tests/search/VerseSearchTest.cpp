#include "search/VerseSearch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "content/ContentError.h"
#include "search/ScopeNames.h"
#include "tests/search/TranslationFixture.h"

using namespace lumivra;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using lumivra::testing::MakeTranslation;

namespace {

std::vector<int> Find(VerseSearch& search, const std::string& text, int scope = 0) {
  search.ClearFoundPositions();
  search.MatchVerses(SearchPattern(text), scope);
  return search.FoundPositions();
}

std::vector<std::string> FoundRefs(VerseSearch& search, const std::string& text, int scope = 0) {
  std::vector<std::string> refs;
  for (int p : Find(search, text, scope)) refs.push_back(search.RecordVerseRef(p));
  return refs;
}

using Refs = std::vector<std::string>;

class VerseSearchTest : public ::testing::Test {
protected:
  void SetUp() override {
    file_ = MakeTranslation({
        {1, "In the name of God, Most Gracious, Most Merciful.\r\nHis Mercy is wide.\r\nMERCY's day\r\n"},
        {2, "on the day of\r\nbathe day\r\nthe  day two blanks\r\n"},
        {3, "caf\xE9 and CAF\xC9\nLa \xE2me\r\nwith | a bar\r\n"},
        {4, ""},
        {12, "x\r\n"},
    });
    ASSERT_TRUE(file_);
    search_.SetTranslationLibrary(file_.get());
  }

  std::unique_ptr<PeResourceFile> file_;
  VerseSearch search_;
};

}  // namespace

TEST_F(VerseSearchTest, RecordsAreChapterVerseAndTheLineUnchanged) {
  const auto& records = search_.VerseRecords();
  // 3 + 3 + 3 lines, chapter 4 empty, chapter 12 and the 109 others one line each.
  ASSERT_EQ(records.size(), 9u + 110u);
  EXPECT_EQ(records[0], "1|1|In the name of God, Most Gracious, Most Merciful.");
  EXPECT_EQ(records[4], "2|2|bathe day");
  EXPECT_EQ(records[6], "3|1|caf\xE9 and CAF\xC9");  // LF alone also ends a line
  EXPECT_EQ(records[9], "5|1|Chapter 5 text.");
  EXPECT_EQ(records.back(), "114|1|Chapter 114 text.");

  EXPECT_EQ(search_.RecordChapter(8), 3);
  EXPECT_EQ(search_.RecordVerse(8), "3");
  EXPECT_EQ(search_.RecordText(8), "with ");  // a "|" in the text ends field 3
  EXPECT_EQ(search_.RecordResultLine(3), "Surah/Chapter 002 - Al-Baqarah. Ayat/Verse : 1.");
  EXPECT_THROW(search_.RecordChapter(static_cast<int>(records.size())), ContentError);
  EXPECT_THROW(search_.RecordVerse(-1), ContentError);
}

TEST_F(VerseSearchTest, CaseFoldsOnlyTheLettersAToZ) {
  EXPECT_EQ(FoundRefs(search_, "mercy"), (Refs{"1:2", "1:3"}));  // Merciful is not mercy
  EXPECT_EQ(FoundRefs(search_, "  MeRcY  "), (Refs{"1:2", "1:3"}));
  EXPECT_EQ(UpperCaseAscii("az\xE9\xE2\xFF{`"), "AZ\xE9\xE2\xFF{`");
  // Accented letters compare byte for byte: é finds é only, â not Â.
  EXPECT_EQ(FoundRefs(search_, "caf\xE9"), (Refs{"3:1"}));
  EXPECT_EQ(FoundRefs(search_, "CAF\xC9"), (Refs{"3:1"}));
  EXPECT_EQ(Find(search_, "\xC2me").size(), 0u);
  EXPECT_EQ(FoundRefs(search_, "\xE2me"), (Refs{"3:2"}));
}

TEST_F(VerseSearchTest, APhraseIsOneLiteralSubstring) {
  EXPECT_EQ(FoundRefs(search_, "the day"), (Refs{"2:1", "2:2"}));  // inside "bathe day" too
  EXPECT_EQ(FoundRefs(search_, "the  day"), (Refs{"2:3"}));
  EXPECT_EQ(FoundRefs(search_, "y of"), (Refs{"2:1"}));
}

TEST_F(VerseSearchTest, ThePrefixAndTheSeparatorsAreSearchedToo) {
  // "12" matches the chapter field of 12:1 and 112:1, nothing of the texts.
  EXPECT_EQ(FoundRefs(search_, "12"), (Refs{"12:1", "112:1"}));
  EXPECT_EQ(FoundRefs(search_, "|2|"), (Refs{"1:2", "2:2", "3:2"}));
  // "|" alone is in every record; the bar inside 3:3 is searched whole.
  EXPECT_EQ(Find(search_, "|").size(), search_.VerseRecords().size());
  EXPECT_EQ(FoundRefs(search_, "| a bar"), (Refs{"3:3"}));
  EXPECT_EQ(FoundRefs(search_, "3|3|with"), (Refs{"3:3"}));
  // Text running on from one record into the next is found in neither.
  EXPECT_TRUE(Find(search_, "wide.\n1|3|").empty());
  EXPECT_TRUE(Find(search_, "wide.1|3|").empty());
}

TEST_F(VerseSearchTest, ScopeLimitsTheSearchToOneChapter) {
  EXPECT_EQ(FoundRefs(search_, "day", 2), (Refs{"2:1", "2:2", "2:3"}));
  EXPECT_EQ(FoundRefs(search_, "day", 1), (Refs{"1:3"}));
  EXPECT_TRUE(Find(search_, "mercy", 2).empty());
  EXPECT_EQ(FoundRefs(search_, "text", 114), (Refs{"114:1"}));
  EXPECT_EQ(Find(search_, "text", 0).size(), 109u);  // chapters 1 to 4 and 12 have their own lines
  // An empty chapter can never be found.
  EXPECT_TRUE(Find(search_, "|", 4).empty());
}

TEST_F(VerseSearchTest, MatchingAppendsAndTheLibraryIsReadOnce) {
  search_.ClearFoundPositions();
  search_.MatchVerses("MERCY", 0);
  search_.MatchVerses("MERCY", 0);
  EXPECT_EQ(search_.FoundPositions(), (std::vector<int>{1, 2, 1, 2}));

  auto other = MakeTranslation({{1, "other\r\n"}});
  search_.SetTranslationLibrary(other.get());  // ignored
  search_.SetTranslationLibrary(file_.get());
  EXPECT_EQ(search_.BuildCount(), 1);
  EXPECT_EQ(search_.VerseRecords()[0], "1|1|In the name of God, Most Gracious, Most Merciful.");
}

TEST(VerseSearchBuild, AMissingChapterStopsTheBuildAndKeepsWhatWasRead) {
  auto file = MakeTranslation({}, {5});
  VerseSearch search;
  EXPECT_THAT([&] { search.SetTranslationLibrary(file.get()); },
              ThrowsMessage<ContentError>(StrEq("Resource ETR5 not found")));
  EXPECT_TRUE(search.HasTranslationLibrary());
  ASSERT_EQ(search.VerseRecords().size(), 4u);
  EXPECT_EQ(search.VerseRecords().back(), "4|1|Chapter 4 text.");
  // A later hand-over does not build again: only chapters 1 to 4 are searched.
  search.SetTranslationLibrary(file.get());
  search.MatchVerses("TEXT", 0);
  EXPECT_EQ(search.FoundPositions().size(), 4u);
}

TEST(VerseSearchBuild, NothingWithoutALibrary) {
  VerseSearch search;
  search.BuildVerseRecords();
  search.SetTranslationLibrary(nullptr);
  EXPECT_FALSE(search.HasTranslationLibrary());
  EXPECT_TRUE(search.VerseRecords().empty());
  search.MatchVerses("A", 0);
  EXPECT_TRUE(search.FoundPositions().empty());
}

TEST(RecordContains, EdgesOfTheScan) {
  EXPECT_TRUE(RecordContains("abc", ""));
  EXPECT_TRUE(RecordContains("abc", "ABC"));
  EXPECT_TRUE(RecordContains("xxabc", "ABC"));
  EXPECT_FALSE(RecordContains("ab", "ABC"));
  EXPECT_FALSE(RecordContains("abd", "ABC"));
  EXPECT_TRUE(RecordContains("aab", "AB"));  // a false start just before the hit
  EXPECT_FALSE(RecordContains("\xE9", "\xC9"));
}

TEST(ChapterScopeNames, ShortNamesOfTheScopeList) {
  const auto& names = ChapterScopeNames();
  ASSERT_EQ(names.size(), 115u);
  EXPECT_EQ(names[0], "Lumivra");
  EXPECT_EQ(names[1], "1 Al-Fatiha");
  EXPECT_EQ(names[21], "21 Al-Anbiyaa ");
  EXPECT_EQ(names[80], "80 'Abasa");
  EXPECT_EQ(names[114], "114 An-Nas");
  for (int n = 1; n <= 114; ++n) EXPECT_EQ(names[n].rfind(std::to_string(n) + " ", 0), 0u) << names[n];
}
