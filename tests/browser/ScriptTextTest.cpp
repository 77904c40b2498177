#include <gtest/gtest.h>

#include "browser/ScriptText.h"

using namespace lumivra;

TEST(ScriptTextTest, StringLiteralEscapesWhatWouldBreakOrEndTheScript) {
  EXPECT_EQ(JsStringLiteral(""), "\"\"");
  EXPECT_EQ(JsStringLiteral("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsStringLiteral("x\r\ny\t"), "\"x\\r\\ny\\t\"");
  EXPECT_EQ(JsStringLiteral(std::string("a\0b", 3)), "\"a\\x00b\"");
  EXPECT_EQ(JsStringLiteral("\x1B\x7F"), "\"\\x1B\\x7F\"");
  EXPECT_EQ(JsStringLiteral("</script><b>"), "\"\\x3C/script><b>\"");
  // Line and paragraph separators end a line in older script engines.
  EXPECT_EQ(JsStringLiteral("a\xE2\x80\xA8" "b\xE2\x80\xA9"), "\"a\\u2028b\\u2029\"");
  // Other UTF-8 passes through untouched.
  EXPECT_EQ(JsStringLiteral("\xD8\xA8\xD9\x90 \xC3\xA2"), "\"\xD8\xA8\xD9\x90 \xC3\xA2\"");
  // A truncated sequence at the very end is copied, not read past.
  EXPECT_EQ(JsStringLiteral("\xE2\x80"), "\"\xE2\x80\"");
}

TEST(ScriptTextTest, WriteScriptHandsThePageOverAsOneString) {
  const std::string page = "<HTML><BODY>\"1:1\"\r\n</BODY></HTML>\r\n";
  const std::string script = WriteDocumentScript(page);
  EXPECT_NE(script.find("d.open(\"text/html\");d.clear();d.writeln(" + JsStringLiteral(page) +
                        ");d.close();"),
            std::string::npos);
  EXPECT_EQ(script.find("writeln", script.find("writeln") + 1), std::string::npos);
}
