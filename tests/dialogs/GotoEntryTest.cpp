#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "content/ContentError.h"
#include "dialogs/GotoEntry.h"

using namespace lumivra;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

std::string VerseRefOf(const std::string& text) {
  const auto target = ValidateGotoText(text);
  return target ? target->verseRef : "<refused>";
}

// Types `keys` one by one into a field as the key filter lets them in.
std::string Type(const std::string& keys) {
  std::string field;
  for (const char key : keys) {
    if (GotoKeyPress(field, key) != GotoKeyAction::kInsert) continue;
    if (key == '\b') {
      if (!field.empty()) field.pop_back();
    } else if (field.size() < static_cast<size_t>(kGotoTextMaxLength)) {
      field += key;
    }
  }
  return field;
}

}  // namespace

TEST(GotoSplit, SeparatorPrecedence) {
  EXPECT_EQ(SplitGotoText("7.86").verseText, "86");
  EXPECT_EQ(SplitGotoText("114").chapterText, "114");
  EXPECT_EQ(SplitGotoText("114").verseText, "");
  // "." wins over ":", so "7:8.6" splits at the full stop.
  EXPECT_EQ(SplitGotoText("7:8.6").chapterText, "7:8");
  EXPECT_EQ(SplitGotoText("7:8.6").verseText, "6");
  EXPECT_EQ(SplitGotoText("1:2:3").verseText, "2");
}

TEST(GotoValidate, EverySeparatorGivesTheSameVerseLabel) {
  for (const char* text : {"7:86", "7.86", "7,86", "7 86"}) {
    const auto target = ValidateGotoText(text);
    ASSERT_TRUE(target) << text;
    EXPECT_EQ(target->chapter, 7);
    EXPECT_EQ(target->verseRef, "7:86");
  }
  EXPECT_EQ(VerseRefOf("07:086"), "07:086");
  EXPECT_EQ(ValidateGotoText("07:086")->chapter, 7);
}

TEST(GotoValidate, Bounds) {
  EXPECT_EQ(VerseRefOf("114"), "");
  EXPECT_EQ(ValidateGotoText("114")->chapter, 114);
  EXPECT_EQ(VerseRefOf("1"), "");
  EXPECT_EQ(VerseRefOf("2:286"), "2:286");
  EXPECT_EQ(VerseRefOf("1:200"), "1:200");  // not checked against the chapter's length
  EXPECT_EQ(VerseRefOf("7:"), "");
  for (const char* text : {"", "115", "0", "0:5", "7:0", "2:287", ":86", " 86", "-1", "115:1"})
    EXPECT_EQ(VerseRefOf(text), "<refused>") << text;
}

TEST(GotoValidate, PastedTextFailsTheConversion) {
  EXPECT_THAT([] { ValidateGotoText("abc"); },
              ThrowsMessage<ContentError>(StrEq("'abc' is not a valid integer value")));
  EXPECT_THAT([] { ValidateGotoText("7:8a"); },
              ThrowsMessage<ContentError>(StrEq("'8a' is not a valid integer value")));
  // Hexadecimal is an integer to the conversion.
  EXPECT_EQ(ValidateGotoText("$A")->chapter, 10);
}

TEST(GotoKeyFilter, DigitsAndOneSeparator) {
  EXPECT_EQ(Type("7:8.6"), "7:86");
  EXPECT_EQ(Type("7a/b:86"), "7:86");
  EXPECT_EQ(Type("12 3,4"), "12 34");
  EXPECT_EQ(Type("1234567"), "123456");
  EXPECT_EQ(Type("7:\b.86"), "7.86");  // Backspace takes the separator away
  EXPECT_EQ(Type("\b\b7"), "7");
  EXPECT_EQ(GotoKeyPress("", '\r'), GotoKeyAction::kSwallow);
  EXPECT_EQ(GotoKeyPress("7", '\r'), GotoKeyAction::kAccept);
  EXPECT_EQ(GotoKeyPress("7", '\t'), GotoKeyAction::kSwallow);
}
