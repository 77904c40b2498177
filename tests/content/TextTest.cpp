#include <gtest/gtest.h>

#include "content/Cp1252.h"
#include "content/IntConvert.h"
#include "content/TextLines.h"

namespace lumivra {
namespace {

using L = StringList;

TEST(SplitLines, LineBreaks) {
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (L{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb"), (L{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\rb\nc"), (L{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (L{"a", "", "b"}));  // LF CR is two breaks
  EXPECT_EQ(SplitLines("a\r\r\nb"), (L{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\n"), (L{"a"}));
  EXPECT_EQ(SplitLines("a\r"), (L{"a"}));
  EXPECT_EQ(SplitLines("\r\n"), (L{""}));
  EXPECT_EQ(SplitLines("\n\n"), (L{"", ""}));
  EXPECT_EQ(SplitLines("no break"), (L{"no break"}));
  EXPECT_EQ(SplitLines(""), L{});
}

TEST(SplitLines, NulEndsTextAndNothingIsDecoded) {
  using namespace std::string_literals;
  EXPECT_EQ(SplitLines("a\r\nb\0c\r\nd"s), (L{"a", "b"}));
  EXPECT_EQ(SplitLines("\0a\r\n"s), L{});
  EXPECT_EQ(SplitLines("\xEF\xBB\xBFverse one\r\n"), (L{"\xEF\xBB\xBFverse one"}));
  EXPECT_EQ(SplitLines(" <b>x</b> \t\r\n"), (L{" <b>x</b> \t"}));
  EXPECT_EQ(SplitLines("\xE2\xAD\xFF"), (L{"\xE2\xAD\xFF"}));
}

TEST(JoinLines, CrLfAfterEveryLine) {
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({""}), "\r\n");
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  const L lines{"x", "", "y z"};
  EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
}

TEST(Trim, ControlCodesAndBlanks) {
  EXPECT_EQ(Trim(" \t\r\n\x01 a b \x1F\x20"), "a b");
  EXPECT_EQ(Trim("\x7F" "a\xA0"), "\x7F" "a\xA0");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
}

TEST(ParseInt, DecimalAndSigns) {
  EXPECT_EQ(ParseInt("0"), 0);
  EXPECT_EQ(ParseInt("42"), 42);
  EXPECT_EQ(ParseInt("007"), 7);
  EXPECT_EQ(ParseInt("+5"), 5);
  EXPECT_EQ(ParseInt("-3"), -3);
  EXPECT_EQ(ParseInt("   2"), 2);
  EXPECT_EQ(ParseInt(" -2"), -2);
  EXPECT_EQ(ParseInt("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
}

TEST(ParseInt, Hexadecimal) {
  EXPECT_EQ(ParseInt("$10"), 16);
  EXPECT_EQ(ParseInt("x1f"), 31);
  EXPECT_EQ(ParseInt("X1F"), 31);
  EXPECT_EQ(ParseInt("0x10"), 16);
  EXPECT_EQ(ParseInt("0XaB"), 171);
  EXPECT_EQ(ParseInt("-$10"), -16);
  EXPECT_EQ(ParseInt(" $7FFFFFFF"), 2147483647);
  EXPECT_EQ(ParseInt("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInt("$000000000000001"), 1);
}

TEST(ParseInt, Failures) {
  for (const char* text :
       {"", " ", "+", "-", "$", "0x", "x", "2 ", "2\t", "\t2", "1e3", "12a", "0x1g", "$-1", "--1",
        "+-1", "2147483648", "-2147483649", "$100000000", "99999999999999999999", "1.0", "a"})
    EXPECT_FALSE(ParseInt(text).has_value()) << '"' << text << '"';
  EXPECT_EQ(ParseIntDef("abc", -1), -1);
  EXPECT_EQ(ParseIntDef("9", -1), 9);
}

TEST(Cp1252, RoundTripOfEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
  EXPECT_EQ(Cp1252ToUtf8("\xE2\xEE\xFB\xAD"), "\u00E2\u00EE\u00FB\u00AD");
  EXPECT_EQ(Cp1252ToUtf8("\x80\x92\x9F"), "\u20AC\u2019\u0178");
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\u0081");
}

TEST(Cp1252, RejectsWhatItCannotHold) {
  EXPECT_FALSE(Utf8ToCp1252("\u0100").has_value());
  EXPECT_FALSE(Utf8ToCp1252("\u0628").has_value());  // Arabic letter
  EXPECT_FALSE(Utf8ToCp1252("\xC3").has_value());     // cut short
  EXPECT_FALSE(Utf8ToCp1252("\xFF").has_value());
  EXPECT_FALSE(Utf8ToCp1252("\xC1\xA1").has_value());      // overlong "a"
  EXPECT_FALSE(Utf8ToCp1252("\xE0\x81\x81").has_value());  // overlong
  EXPECT_FALSE(Utf8ToCp1252("\xC3\x28").has_value());
  EXPECT_EQ(Utf8ToCp1252("plain"), "plain");
}

}  // namespace
}  // namespace lumivra
