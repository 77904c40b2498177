#include <gtest/gtest.h>

#include "dialogs/InformationPage.h"

using namespace lumivra;

TEST(InformationPage, KeysOfTheTreeNodes) {
  EXPECT_EQ(InfoKeyForNode("Olvar~0"), "0");
  EXPECT_EQ(InfoKeyForNode("Olvar~1"), "1");
  EXPECT_EQ(InfoKeyForNode("Olvar~112"), "112");
  EXPECT_EQ(InfoKeyForNode("Olvar~113"), "11314");
  EXPECT_EQ(InfoKeyForNode("Olvar~114"), "11314");
  EXPECT_EQ(InfoKeyForNode("Olvar~ 113 "), "11314");
  EXPECT_EQ(InfoKeyForNode("Home"), std::nullopt);
  EXPECT_EQ(InfoKeyForNode(""), std::nullopt);
  EXPECT_EQ(InfoKeyForNode("Olvar~"), std::nullopt);
  EXPECT_EQ(InfoKeyForNode("Olvar~  "), std::nullopt);
  EXPECT_EQ(InfoKeyForNode("Other~5"), std::nullopt);

  // The keys the information file is read with, and no others.
  for (int n = 1; n <= 112; ++n) EXPECT_TRUE(IsInfoKey(std::to_string(n))) << n;
  EXPECT_TRUE(IsInfoKey("0"));
  EXPECT_TRUE(IsInfoKey("11314"));
  for (const char* bad : {"", "113", "114", "115", "00", "07", "-1", "+5", " 5", "5 ", "x", "1e2"})
    EXPECT_FALSE(IsInfoKey(bad)) << bad;
}

TEST(InformationPage, WrapsEachFragmentLineWithCrLf) {
  EXPECT_EQ(BuildInformationPage({"<p>One</p>", "<p>Two</p>"}),
            "<HTML><HEAD><link rel=\"stylesheet\" href=\"res://Olvar.exe/styles_css\"></HEAD>"
            "<BODY><p>One</p>\r\n<p>Two</p>\r\n</BODY></HTML>");
  EXPECT_EQ(BuildInformationPage({}),
            "<HTML><HEAD><link rel=\"stylesheet\" href=\"res://Olvar.exe/styles_css\"></HEAD>"
            "<BODY></BODY></HTML>");
}
