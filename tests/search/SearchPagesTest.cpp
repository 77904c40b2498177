#include <gtest/gtest.h>

#include "content/ContentError.h"
#include "search/SearchPages.h"

using namespace lumivra;

namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

const std::string kRed = "<b><font color=\"red\">";

}  // namespace

TEST(LocaleUpperCase, MapsTheSmallLettersOfTheCodePage) {
  EXPECT_EQ(LocaleUpperCase("abc xyz 123"), "ABC XYZ 123");
  // à â é î û ÿ š œ ž become À Â É Î Û Ÿ Š Œ Ž; ÷ ß µ stay.
  EXPECT_EQ(LocaleUpperCase("\xE0\xE2\xE9\xEE\xFB\xFF\x9A\x9C\x9E"),
            "\xC0\xC2\xC9\xCE\xDB\x9F\x8A\x8C\x8E");
  EXPECT_EQ(LocaleUpperCase("\xF7\xDF\xB5"), "\xF7\xDF\xB5");
  EXPECT_EQ(LocaleUpperCase("\xFE"), "\xDE");  // þ -> Þ
}

TEST(HighlightMatches, MarksEveryOccurrenceInTheUpperCaseOfTheSearchText) {
  EXPECT_EQ(HighlightMatches("His Mercy and mercy's way.", "MERCY"),
            "His " + kRed + "MERCY</b></font> and " + kRed + "MERCY</b></font>'s way.");
  // Occurrences do not overlap.
  EXPECT_EQ(HighlightMatches("aaaa", "AA"), kRed + "AA</b></font>" + kRed + "AA</b></font>");
  // Accented letters meet their capitals here, unlike in the matching.
  EXPECT_EQ(HighlightMatches("Al-F\xE2tihah", "F\xE2T"),
            "Al-" + kRed + "F\xC2T</b></font>ihah");
}

TEST(HighlightMatches, LeavesTextWithoutTheSearchTextUnmarked) {
  EXPECT_EQ(HighlightMatches("The Most Merciful.", "MERCY"), "The Most Merciful.");
  EXPECT_EQ(HighlightMatches("Any text.", ""), "Any text.");
  EXPECT_EQ(HighlightMatches("", "X"), "");
}

TEST(SearchPages, ReportCountLineSaysVerseForOneAndVersesOtherwise) {
  EXPECT_EQ(ReportCountLine(1), "Total Found : 1 Verse (Lumivra).");
  EXPECT_EQ(ReportCountLine(2), "Total Found : 2 Verses (Lumivra).");
  EXPECT_EQ(ReportCountLine(0), "Total Found : 0 Verses (Lumivra).");
}

TEST(SearchPages, ViewBodyShowsTitleHeaderAndHighlightedVerse) {
  const std::string body = BuildSearchViewBody("2|255|His Mercy is wide.", "  mercy ");
  EXPECT_NE(body.find("res://Olvar.exe/searchview_gif"), std::string::npos);
  EXPECT_EQ(body.find("searchreport_gif"), std::string::npos);
  EXPECT_NE(body.find("<b>Search Text : MERCY.<br>Surah/Chapter 002 - Al-Baqarah. Verse 255.</b>"),
            std::string::npos);
  EXPECT_NE(body.find("<font class=\"f3\">English Translation (Lumivra)</font>"),
            std::string::npos);
  EXPECT_NE(body.find("<font class=\"f4\">His " + kRed + "MERCY</b></font> is wide.</font>"),
            std::string::npos);
  EXPECT_EQ(body.substr(body.size() - 7), "<p></p>");
}

TEST(SearchPages, HitThroughTheChapterNumberShowsNoRed) {
  // "2" matched the record prefix of 2:1, not the text.
  const std::string body = BuildSearchViewBody("2|1|Alif, Lam, Meem.", "2");
  EXPECT_EQ(body.find("red"), std::string::npos);
  EXPECT_NE(body.find("Alif, Lam, Meem."), std::string::npos);
}

TEST(SearchPages, EmptiedSearchBoxStillGivesAPage) {
  const std::string body = BuildSearchViewBody("1|1|In the Name.", "   ");
  EXPECT_NE(body.find("Search Text : .<br>Surah/Chapter 001 - Al-F\xE2tihah. Verse 1."),
            std::string::npos);
  EXPECT_EQ(body.find("red"), std::string::npos);
}

TEST(SearchPages, SearchTextIsShownAsTextNotMarkup) {
  const std::string typed = "<img src=x onerror=alert(1)>";
  const std::string record = "3|7|before <img src=x onerror=alert(1)> after";
  const std::string view = BuildSearchViewBody(record, typed);
  // Neither the header nor the highlighted words carry the typed tag.
  EXPECT_EQ(view.find("<IMG SRC=X"), std::string::npos);
  EXPECT_EQ(view.find("<img src=x"), std::string::npos);
  EXPECT_NE(view.find("Search Text : &lt;IMG SRC=X ONERROR=ALERT(1)&gt;."), std::string::npos);
  EXPECT_NE(view.find("before " + kRed + "&lt;IMG SRC=X ONERROR=ALERT(1)&gt;</b></font> after"),
            std::string::npos);
  EXPECT_NE(SearchReportHeaderHtml("a\"b&c'", "x").find("a&quot;b&amp;c&#39;."),
            std::string::npos);
  // The verse text keeps its own markup where the search text does not touch it.
  EXPECT_NE(BuildSearchViewBody("1|1|<i>Lord</i> of all", "all").find("<i>Lord</i> of "),
            std::string::npos);
}

TEST(SearchPages, ReportBodyHasOneLinePerHitInOrder) {
  const StringList records{"1|1|In the Name of Allah.", "1|2|All praise|and more",
                           "2|5|Those are the guided."};
  const std::string body = BuildSearchReportBody(records, {0, 2}, "the");
  EXPECT_NE(body.find("searchreport_gif"), std::string::npos);
  EXPECT_NE(body.find("Search Text : THE.<br>Total Found : 2 Verses (Lumivra).</b>"),
            std::string::npos);
  EXPECT_EQ(Count(body, "\r\n"), 3u);
  EXPECT_EQ(body.substr(body.size() - 2), "\r\n");
  const size_t first = body.find("Surah/Chapter 001 - Al-F\xE2tihah. Verse 1.");
  const size_t second = body.find("Surah/Chapter 002 - Al-Baqarah. Verse 5.");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_EQ(body.find("Verse 2."), std::string::npos);
  EXPECT_EQ(Count(body, kRed), 2u);

  // A "|" in the translation ends the text shown.
  const std::string cut = BuildSearchReportBody(records, {1}, "more");
  EXPECT_NE(cut.find("All praise</font>"), std::string::npos);
  EXPECT_EQ(cut.find("and more"), std::string::npos);
  EXPECT_NE(cut.find("Total Found : 1 Verse (Lumivra)."), std::string::npos);
}

TEST(SearchPages, ReportRefusesAPositionOutsideTheRecords) {
  const StringList records{"1|1|x"};
  EXPECT_THROW(BuildSearchReportBody(records, {1}, "x"), ContentError);
  EXPECT_THROW(BuildSearchReportBody(records, {-1}, "x"), ContentError);
}

TEST(SearchPages, PageWrapsTheBody) {
  EXPECT_EQ(SearchPageHtml("B"),
            "<HTML><HEAD><link rel=\"stylesheet\" href=\"res://Olvar.exe/styles_css\"></HEAD>"
            "<BODY>B</BODY></HTML>");
  EXPECT_FALSE(ReportNeedsConfirmation(1000));
  EXPECT_TRUE(ReportNeedsConfirmation(1001));
}
