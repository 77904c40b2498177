#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "content/ContentError.h"
#include "pages/ChapterPageBuilder.h"

namespace lumivra {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

// The page format, written out piece by piece.
const std::string kHeadStart =
    "<HTML><HEAD><link rel=\"stylesheet\" href=\"res://Olvar.exe/styles_css\"></HEAD>"
    "<BODY leftmargin=\"0\" topmargin=\"3\">"
    "<table class=\"t1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td><img "
    "src=\"res://Olvar.exe/hleft_gif\"></td>"
    "<td width=\"71%\" background=\"res://Olvar.exe/hmiddle_gif\"><p align=\"center\"><font "
    "class=\"f1\">";
const std::string kHeadEnd =
    "</font></td><td><img src=\"res://Olvar.exe/hright_gif\"></td></tr></table>";
const std::string kOpening =
    "<p align=\"center\"><font class=\"f1\"><font color=#C0C0C0>In the Name of Allah, the Most "
    "Beneficent, the Most Merciful.</font></font></p>";

std::string Bar(const std::string& label) {
  return "<table class=\"t1\" cellpadding=0 cellspacing=0><tr bgcolor=\"#95AEC2\">"
         "<td width =\"50\"><font class=\"f2\"><B><center>" +
         label +
         "</center></B></font></td>"
         "<td class=\"d1\"><img src=\"res://Olvar.exe/c_gif\"></td><td class=\"d2\"><img "
         "src=\"res://Olvar.exe/tr_gif\"></td></tr></table>";
}

std::string Single(const std::string& cls, const std::string& text, const std::string& label) {
  return "<table class=\"t1\" cellpadding=0 cellspacing=0><tr bgcolor=white><td class=\"df\"></td>"
         "<td><font class=\"" +
         cls + "\">" + text +
         "</font></td><td width=\"1\"></td>"
         "</tr><tr><td width =\"50\"></td></tr></table>" +
         Bar(label);
}

std::string Dual(const std::string& c1, const std::string& first, const std::string& c2,
                 const std::string& second, const std::string& label) {
  return "<table class=\"t1\" cellpadding=0 cellspacing=0><tr bgcolor=white><td class=\"df\"></td>"
         "<td><font class=\"" +
         c1 + "\">" + first +
         "</font></td><td width=\"1\"></td>"
         "</tr><tr><td width =\"50\"></td><td class=\"sp\"></td></tr><tr><td colspan=3><br></td></tr>"
         "<tr bgcolor=white><td class=\"def\"></td>"
         "<td><font class=\"" +
         c2 + "\">" + second + "</font></td></tr></table>" + Bar(label);
}

TEST(ChapterPage, ChapterOneTranslationOnly) {
  const std::string expected = kHeadStart + "1. Al-F\xE2tihah : The Opening" + kHeadEnd +
                               "<br><br>\r\n"
                               "\r\n" +
                               Single("g1", "a", "1:1") + "\r\n<br><br>\r\n" +
                               Single("f1", "b", "1:2") + "\r\n<br><br>\r\n</BODY></HTML>\r\n";
  EXPECT_EQ(BuildChapterPage(2, "1", {}, {"a", "b"}), expected);
}

TEST(ChapterPage, OpeningLineExceptChaptersOneAndNine) {
  for (int c = 1; c <= 114; ++c) {
    const std::string header = BuildPageHeader(std::to_string(c));
    const bool plain = c == 1 || c == 9;
    const std::string tail = plain ? "<br><br>" : kOpening;
    ASSERT_GE(header.size(), tail.size());
    EXPECT_EQ(header.substr(header.size() - tail.size()), tail) << c;
    EXPECT_EQ(header.find(plain ? kOpening : "<br><br>"), std::string::npos) << c;
  }
  // Only the exact texts count.
  EXPECT_NE(BuildPageHeader("01").find(kOpening), std::string::npos);
  EXPECT_NE(BuildPageHeader("9 ").find(kOpening), std::string::npos);
  EXPECT_EQ(BuildPageHeader("9"), kHeadStart + "9. At-Taubah : Ultimatum" + kHeadEnd + "<br><br>");
  EXPECT_EQ(BuildPageHeader("2"), kHeadStart + "2. Al-Baqarah : The Cow" + kHeadEnd + kOpening);
  EXPECT_EQ(BuildPageHeader("0"), kHeadStart + "Not Known" + kHeadEnd + kOpening);
  EXPECT_EQ(BuildPageFooter(), "</BODY></HTML>");
}

TEST(ChapterPage, ClassesAlternatePerOption) {
  const StringList first{"F1", "F2", "F3"};
  const StringList tr{"T1", "T2", "T3"};
  const std::string head = kHeadStart + "2. Al-Baqarah : The Cow" + kHeadEnd + kOpening + "\r\n\r\n";
  const std::string end = "</BODY></HTML>\r\n";
  EXPECT_EQ(BuildChapterPage(0, "2", first, tr),
            head + Dual("a2", "F1", "g1", "T1", "2:1") + "\r\n<br><br>\r\n" +
                Dual("a1", "F2", "f1", "T2", "2:2") + "\r\n<br><br>\r\n" +
                Dual("a2", "F3", "g1", "T3", "2:3") + "\r\n<br><br>\r\n" + end);
  EXPECT_EQ(BuildChapterPage(1, "2", first, tr),
            head + Dual("g1", "F1", "g1", "T1", "2:1") + "\r\n<br><br>\r\n" +
                Dual("f1", "F2", "f1", "T2", "2:2") + "\r\n<br><br>\r\n" +
                Dual("g1", "F3", "g1", "T3", "2:3") + "\r\n<br><br>\r\n" + end);
  EXPECT_EQ(BuildChapterPage(2, "2", first, tr),
            head + Single("g1", "T1", "2:1") + "\r\n<br><br>\r\n" + Single("f1", "T2", "2:2") +
                "\r\n<br><br>\r\n" + Single("g1", "T3", "2:3") + "\r\n<br><br>\r\n" + end);
}

TEST(ChapterPage, BlocksOnTheirOwn) {
  EXPECT_EQ(BuildDualVerseBlock("x", "y", "2:255", "a1", "f1"), Dual("a1", "x", "f1", "y", "2:255"));
  EXPECT_EQ(BuildSingleVerseBlock("<b>bold</b> &amp;", "114:6", "f1"),
            Single("f1", "<b>bold</b> &amp;", "114:6"));
}

TEST(ChapterPage, TextsGoInUnchanged) {
  const auto page = BuildChapterPage(0, "3", {"&#1576;<i>"}, {"<b>x</b> \xE2\xAD"});
  ASSERT_TRUE(page);
  EXPECT_NE(page->find("<font class=\"a2\">&#1576;<i></font>"), std::string::npos);
  EXPECT_NE(page->find("<font class=\"g1\"><b>x</b> \xE2\xAD</font>"), std::string::npos);
  EXPECT_NE(page->find("<center>3:1</center>"), std::string::npos);
}

TEST(ChapterPage, ShortFirstListStopsAtTheMissingIndex) {
  for (int option : {0, 1}) {
    EXPECT_THAT([&] { BuildChapterPage(option, "5", {"a", "b", "c"}, {"1", "2", "3", "4", "5"}); },
                ThrowsMessage<ContentError>(StrEq("List index out of bounds (3)")))
        << "option " << option;
    EXPECT_THAT([&] { BuildChapterPage(option, "5", {}, {"1"}); },
                ThrowsMessage<ContentError>(StrEq("List index out of bounds (0)")))
        << "option " << option;
  }
  // The first list does not matter in option 2; extra lines are ignored.
  EXPECT_TRUE(BuildChapterPage(2, "5", {}, {"1", "2"}));
  const auto page = BuildChapterPage(0, "5", {"a", "b", "EXTRA"}, {"1", "2"});
  ASSERT_TRUE(page);
  EXPECT_EQ(page->find("EXTRA"), std::string::npos);
}

TEST(ChapterPage, EmptyTranslationAndUnknownOption) {
  const std::string empty = kHeadStart + "7. Al-A'r\xE2" "f : The Purgatory" + kHeadEnd + kOpening +
                            "\r\n\r\n</BODY></HTML>\r\n";
  for (int option : {0, 1, 2}) EXPECT_EQ(BuildChapterPage(option, "7", {}, {}), empty) << option;
  for (int option : {3, -1, 100}) EXPECT_FALSE(BuildChapterPage(option, "7", {"a"}, {"b"})) << option;
}

TEST(ChapterPage, LabelsCountFromOneWithTheChapterTextAsGiven) {
  StringList tr(255, "v");
  const auto page = BuildChapterPage(2, "2", {}, tr);
  ASSERT_TRUE(page);
  EXPECT_NE(page->find("<center>2:255</center>"), std::string::npos);
  EXPECT_EQ(page->find("<center>2:256</center>"), std::string::npos);
  EXPECT_EQ(page->find("<center>2:0</center>"), std::string::npos);
  // Verse 255 is odd: darker grey.
  EXPECT_NE(page->find(Single("g1", "v", "2:255")), std::string::npos);
  EXPECT_NE(page->find(Single("f1", "v", "2:254")), std::string::npos);
}

}  // namespace
}  // namespace lumivra
