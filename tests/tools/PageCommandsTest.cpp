// olvar-tool info, view and report, run in a folder of small core files:
// each writes the page the reader writes into the information window.
#include <gtest/gtest.h>

#include <map>

#include "content/PeResourceFile.h"
#include "dialogs/InformationPage.h"
#include "search/SearchPages.h"
#include "search/VerseSearch.h"
#include "tests/content/PeImage.h"
#include "tests/search/TranslationFixture.h"
#include "tests/tools/ToolTestSupport.h"

namespace lumivra {
namespace {

using testing::Quote;
using testing::ReadBytes;
using testing::TestFolder;

using Run = testing::ToolRun;

Run Tool(const TestFolder& dir, const std::string& args) { return testing::RunTool(dir, args); }

class PageCommandsTest : public ::testing::Test {
protected:
  PageCommandsTest() {
    std::vector<testing::PeResource> etr;
    for (int n = 1; n <= 114; ++n)
      etr.push_back({23, "ETR" + std::to_string(n),
                     n == 2 ? "His mercy is near.\r\nNo hit.\r\nMercy again.\r\n" : n == 3 ? "Caf\xE9.\r\n" : "x\r\n"});
    testing::WriteBytes(dir_ / "ETRRef32.dll", testing::BuildPeImage(etr).image);
    testing::WriteBytes(dir_ / "SIRef32.dll",
                       testing::BuildPeImage({{23, "ci0", "<p>Book</p>\r\n"},
                                              {23, "ci11314", "<p>Last two</p>\r\n"}})
                           .image);
  }
  TestFolder dir_{"tools"};
};

TEST_F(PageCommandsTest, InfoWritesThePageOfAKey) {
  auto r = Tool(dir_, "info 11314");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, BuildInformationPage({"<p>Last two</p>"}));

  for (const char* bad : {"113", "115", "abc", "''"}) {
    r = Tool(dir_, std::string("info ") + bad);
    EXPECT_EQ(r.exitCode, 1) << bad;
    EXPECT_NE(r.err.find("bad information key"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  // A key the file lacks: the reader's error text.
  r = Tool(dir_, "info 5");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "olvar-tool: Warning : Failed to load core file ARef32.dll.\n"
                   "olvar-tool: Resource ci5 not found\n");
}

TEST_F(PageCommandsTest, ViewAndReportWriteTheSearchPages) {
  auto r = Tool(dir_, "view mercy 1");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, SearchPageHtml(BuildSearchViewBody("2|3|Mercy again.", "mercy")));

  r = Tool(dir_, "report ' mercy ' 2");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, SearchPageHtml(BuildSearchReportBody(
                       {"2|1|His mercy is near.", "2|3|Mercy again."}, {0, 1}, "mercy")));
  EXPECT_EQ(Tool(dir_, "view caf\xC3\xA9 0").out, SearchPageHtml(BuildSearchViewBody("3|1|Caf\xE9.", "caf\xE9")));

  struct Bad {
    const char* args;
    const char* message;
  };
  for (const Bad& b : {Bad{"view mercy 2", "no result 2: the search found 2 verses"},
                       Bad{"view mercy -1", "bad result index"},
                       Bad{"view mercy x", "bad result index"},
                       Bad{"view mercy 0 115", "bad scope \"115\""},
                       Bad{"report mercy 02", "bad scope \"02\""},
                       Bad{"report mercy -1", "bad scope"},
                       Bad{"report mercy 3", "found no verse"},
                       Bad{"report '  '", "the search text is empty"}}) {
    r = Tool(dir_, b.args);
    EXPECT_EQ(r.exitCode, 1) << b.args;
    EXPECT_NE(r.err.find(b.message), std::string::npos) << b.args << ": " << r.err;
    EXPECT_EQ(r.out, "") << b.args;
  }
}

TEST_F(PageCommandsTest, ViewAndReportOfAnArabicSearch) {
  const std::string arabic = testing::ArabicImage({{2, {"ٱلصَّلَوٰةَ", "رَبِّ", "وَٱلصَّلَوٰةِ"}}});
  testing::WriteBytes(dir_ / "ARef32.dll", arabic);
  // The pages the reader builds over the same files.
  const auto translation = PeResourceFile::Open((dir_ / "ETRRef32.dll").string());
  const auto arabicFile = PeResourceFile::FromBytes(arabic);
  VerseSearch search;
  search.SetTranslationLibrary(translation.get());
  search.SetArabicLibrary(arabicFile.get());
  search.MatchArabicVerses("الصلاة", 0);
  ASSERT_EQ(search.FoundPositions().size(), 2u);

  auto r = Tool(dir_, "view ' الصلاة ' 1");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, SearchPageHtml(BuildArabicSearchViewBody(search, search.FoundPositions()[1], " الصلاة ")));
  EXPECT_NE(r.out.find("Mercy again."), std::string::npos);
  r = Tool(dir_, "report الصلاة 2");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, SearchPageHtml(BuildArabicSearchReportBody(search, search.FoundPositions(), "الصلاة")));
  EXPECT_EQ(Tool(dir_, "report الصلاة 3").exitCode, 1);
}

}  // namespace
}  // namespace lumivra
