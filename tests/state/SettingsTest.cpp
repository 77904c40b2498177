#include <gtest/gtest.h>

#include "state/Settings.h"

using namespace lumivra;

namespace {

std::tm March5th2002() {
  std::tm t{};
  t.tm_year = 102;
  t.tm_mon = 2;
  t.tm_mday = 5;
  t.tm_hour = 14;
  t.tm_min = 7;
  t.tm_sec = 9;
  return t;
}

SettingsReadResult Read(const StringList& lines, StringList* bookmarks = nullptr) {
  StringList own;
  return ReadSettingsLines(lines, bookmarks ? *bookmarks : own);
}

}  // namespace

TEST(SettingsFormat, TimestampUsesTheGivenSeparators) {
  EXPECT_EQ(FormatSettingsTimestamp(March5th2002(), "/", ":"), "05/03/2002 14:07:09");
  EXPECT_EQ(FormatSettingsTimestamp(March5th2002(), ".", ":"), "05.03.2002 14:07:09");
  std::tm midnight{};
  midnight.tm_year = 100;
  midnight.tm_mday = 31;
  midnight.tm_mon = 11;
  EXPECT_EQ(FormatSettingsTimestamp(midnight, "-", "."), "31-12-2000 00.00.00");
}

TEST(SettingsFormat, LinesWithAndWithoutBookmarks) {
  SettingsValues values;
  values.viewOption = 1;
  values.themeType = 1;
  values.bookmarks = {"2:255", "7:86"};
  EXPECT_EQ(BuildSettingsLines(values, "05/03/2002 14:07:09"),
            (StringList{"[Settings 05/03/2002 14:07:09]", "ViewOption=1", "ThemeType=1",
                        "InitODefaultPage=0", " ", "[Bookmarks]", "2:255", "7:86"}));
  values.bookmarks.clear();
  values.viewOption = -5;
  const auto lines = BuildSettingsLines(values, "x");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "ViewOption=-5");
}

TEST(SettingsLookup, KeyMatchesRegardlessOfCaseButNotOfBlanks) {
  EXPECT_EQ(LookupSettingsValue({"viewoption=2"}, "ViewOption"), "2");
  EXPECT_EQ(LookupSettingsValue({" ViewOption=1"}, "ViewOption"), "");
  EXPECT_EQ(LookupSettingsValue({"ViewOption =1"}, "ViewOption"), "");
  EXPECT_EQ(LookupSettingsValue({"ViewOption=1", "ViewOption=2"}, "ViewOption"), "1");
  EXPECT_EQ(LookupSettingsValue({"ViewOption==3"}, "ViewOption"), "=3");
  EXPECT_EQ(LookupSettingsValue({"[Settings a=b]", "ThemeType"}, "ThemeType"), "");
}

TEST(SettingsRead, ValidFileGivesItsValues) {
  StringList bookmarks;
  const auto r = Read({"[Settings 05/03/2002 14:07:09]", "ViewOption=1", "ThemeType=2",
                       "InitODefaultPage=1", " ", "[Bookmarks]", "2:255", "7:86"},
                      &bookmarks);
  EXPECT_TRUE(r.usable);
  EXPECT_EQ(r.viewOption, 1);
  EXPECT_EQ(r.themeType, 2);
  EXPECT_EQ(r.initODefaultPage, 1);
  EXPECT_EQ(bookmarks, (StringList{"2:255", "7:86"}));
  // The header is never interpreted: missing, altered or elsewhere.
  EXPECT_TRUE(Read({"ThemeType=0", "[Settings rubbish", "ViewOption=0"}).usable);
}

TEST(SettingsRead, BlanksAroundTheValue) {
  EXPECT_EQ(Read({"ViewOption= 2", "ThemeType=0"}).viewOption, 2);
  const auto trailing = Read({"ViewOption=2 ", "ThemeType=0"});
  EXPECT_FALSE(trailing.usable);
  EXPECT_EQ(Read({"ViewOption=$2", "ThemeType=0x1"}).themeType, 1);
}

TEST(SettingsRead, MissingOrBadNumbersKeepTheBookmarks) {
  for (const StringList& lines : {
           StringList{"ThemeType=1", "[Bookmarks]", "7:86"},
           StringList{"ViewOption=1", "[Bookmarks]", "7:86"},
           StringList{"ViewOption=one", "ThemeType=1", "[Bookmarks]", "7:86"},
           StringList{"ViewOption=1", "ThemeType=", "[Bookmarks]", "7:86"},
           StringList{" ViewOption=1", "ThemeType=1", "[Bookmarks]", "7:86"},
       }) {
    StringList bookmarks;
    const auto r = Read(lines, &bookmarks);
    EXPECT_FALSE(r.usable) << lines[0];
    EXPECT_EQ(r.viewOption, -1);
    EXPECT_EQ(r.themeType, -1);
    EXPECT_EQ(bookmarks, StringList{"7:86"}) << lines[0];
  }
}

TEST(SettingsRead, NegativeValuesAreUnusableButRead) {
  StringList bookmarks;
  const auto r = Read({"ViewOption=1", "ThemeType=-1", "[Bookmarks]", "7:86"}, &bookmarks);
  EXPECT_EQ(r.themeType, -1);
  EXPECT_FALSE(r.usable);
  EXPECT_EQ(bookmarks, StringList{"7:86"});
  EXPECT_FALSE(Read({"ViewOption=-1", "ThemeType=1"}).usable);
}

TEST(SettingsRead, ThemeAboveThreeFallsBackToDefaultAlone) {
  const auto r = Read({"ViewOption=1", "ThemeType=7", "InitODefaultPage=1"});
  EXPECT_TRUE(r.usable);
  EXPECT_EQ(r.themeType, 0);
  EXPECT_EQ(r.viewOption, 1);
  EXPECT_EQ(r.initODefaultPage, 1);
  // No upper bound on the display option: kept as read.
  EXPECT_EQ(Read({"ViewOption=5", "ThemeType=3"}).viewOption, 5);
}

TEST(SettingsRead, BadInitialPageOnlyAffectsItself) {
  const auto r = Read({"ViewOption=2", "ThemeType=3", "InitODefaultPage=abc"});
  EXPECT_TRUE(r.usable);
  EXPECT_EQ(r.viewOption, 2);
  EXPECT_EQ(r.themeType, 3);
  EXPECT_EQ(r.initODefaultPage, 0);
  EXPECT_EQ(Read({"ViewOption=2", "ThemeType=3"}).initODefaultPage, 0);
}

TEST(SettingsRead, RoundTripThroughTheLines) {
  SettingsValues values;
  values.viewOption = 5;
  values.themeType = 3;
  values.initODefaultPage = 1;
  for (int i = 1; i <= 20; ++i) values.bookmarks.push_back(std::to_string(i) + ":" + std::to_string(i * 2));
  StringList bookmarks;
  const auto r = Read(BuildSettingsLines(values, "05/03/2002 14:07:09"), &bookmarks);
  EXPECT_TRUE(r.usable);
  EXPECT_EQ(r.viewOption, 5);
  EXPECT_EQ(r.themeType, 3);
  EXPECT_EQ(r.initODefaultPage, 1);
  EXPECT_EQ(bookmarks, values.bookmarks);
}

TEST(SettingsTextSize, WrittenAfterTheInitialPageOnlyWhenNotNormalAndReadBack) {
  SettingsValues values;
  EXPECT_EQ(BuildSettingsLines(values, "x").size(), 4u);
  values.textSize = 150;
  values.bookmarks = {"7:86"};
  const StringList lines = BuildSettingsLines(values, "x");
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[4], "TextSize=150");
  EXPECT_EQ(Read(lines).textSize, 150);
  EXPECT_EQ(Read({"textsize= $4B"}).textSize, 75);
  // Missing, not an integer or not a size: 100, and nothing else changes.
  for (const char* bad : {"TextSize=", "TextSize=big", "TextSize=125 ", "TextSize=101"}) {
    const auto r = Read({"ViewOption=2", "ThemeType=1", "InitODefaultPage=1", bad});
    EXPECT_EQ(r.textSize, 100) << bad;
    EXPECT_TRUE(r.usable && r.viewOption == 2 && r.themeType == 1 && r.initODefaultPage == 1) << bad;
  }
}
