// DLLs linked by a Windows toolchain must read like our own.
#include <gtest/gtest.h>

#include "content/ContentError.h"
#include "content/ContentStore.h"
#include "content/PeResourceFile.h"
#include "support/TestFolder.h"
#include "tests/content/MingwDll.h"

namespace lumivra {
namespace {

using testing::BuildResourceDll;
using testing::HaveTool;
using testing::ReadBytes;
using testing::TestFolder;

std::string AllBytes() {
  std::string s;
  for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
  return s;
}

class MingwDll : public ::testing::TestWithParam<const char*> {
protected:
  void SetUp() override {
    prefix_ = GetParam();
    if (!HaveTool(prefix_ + "-windres") || !HaveTool(prefix_ + "-ld"))
      GTEST_SKIP() << prefix_ << " binutils are not installed";
  }
  std::string prefix_;
};

TEST_P(MingwDll, ResourcesReadExactlyInAnyCase) {
  TestFolder dir("mingw");
  dir.Write("etr1.txt", "In the name\r\nof the first\r\n");
  dir.Write("etr7.txt", "one\r\n\r\nthree");
  dir.Write("bytes.bin", AllBytes());
  dir.Write("empty.txt", "");
  dir.Write("r.rc",
            "ETR1 23 \"etr1.txt\"\n"
            "etr7 23 \"etr7.txt\"\n"
            "BYTES 23 \"bytes.bin\"\n"
            "ETR2 10 \"etr7.txt\"\n"
            "ETR3 TEXTTYPE \"etr7.txt\"\n"
            "42 23 \"etr1.txt\"\n");
  ASSERT_TRUE(BuildResourceDll(prefix_, dir.path(), "r.rc", "t.dll"));
  std::string error;
  auto file = PeResourceFile::Open(dir / "t.dll", &error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(file->FindResource("ETR1", 23), "In the name\r\nof the first\r\n");
  EXPECT_EQ(file->FindResource("etr1", 23), "In the name\r\nof the first\r\n");
  EXPECT_EQ(file->FindResource("Etr7", 23), "one\r\n\r\nthree");
  EXPECT_EQ(file->FindResource("bytes", 23), AllBytes());
  EXPECT_EQ(file->FindResource("#42", 23), "In the name\r\nof the first\r\n");
  EXPECT_EQ(file->FindResource("ETR2", 10), "one\r\n\r\nthree");
  EXPECT_FALSE(file->FindResource("ETR2", 23));
  EXPECT_FALSE(file->FindResource("ETR3", 23));  // its type is a name
  EXPECT_FALSE(file->FindResource("ETR07", 23));
}

TEST_P(MingwDll, ContentStoreReadsLinkedCoreFiles) {
  TestFolder dir("mingw-store");
  dir.Write("a7.txt", "&#1576;&#1587;\r\nsecond\r\nthird\r\n");
  dir.Write("etr7.txt", "In the name\r\nverse two\r\nverse three\r\n");
  dir.Write("tl7.txt", "Bismi\r\nlla\r\nhi\r\n");
  dir.Write("ci7.txt", "<p class=\"f1\">Seven</p>");
  dir.Write("a.rc", "A7 23 \"a7.txt\"\n");
  dir.Write("etr.rc", "ETR7 23 \"etr7.txt\"\n");
  dir.Write("tl.rc", "TL7 23 \"tl7.txt\"\n");
  dir.Write("si.rc", "ci7 23 \"ci7.txt\"\n");
  ASSERT_TRUE(BuildResourceDll(prefix_, dir.path(), "a.rc", kArabicFile));
  ASSERT_TRUE(BuildResourceDll(prefix_, dir.path(), "etr.rc", kTranslationFile));
  ASSERT_TRUE(BuildResourceDll(prefix_, dir.path(), "tl.rc", kTransliterationFile));
  ASSERT_TRUE(BuildResourceDll(prefix_, dir.path(), "si.rc", kInfoFile));

  struct NoWarnings : StartupWarnings {
    void Warn(const std::string& text) override { ADD_FAILURE() << text; }
  } warnings;
  ContentStore store(dir.path().string());
  store.CheckCoreFiles(warnings);
  ASSERT_NE(store.ArabicLibrary(), nullptr);
  ASSERT_NE(store.TranslationLibrary(), nullptr);
  StringList lines;
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Arabic, "7", lines));
  EXPECT_EQ(lines, (StringList{"&#1576;&#1587;", "second", "third"}));
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Translation, "7", lines));
  EXPECT_EQ(lines, (StringList{"In the name", "verse two", "verse three"}));
  EXPECT_TRUE(store.LoadChapterLines(TextKind::Transliteration, "7", lines));
  EXPECT_EQ(lines, (StringList{"Bismi", "lla", "hi"}));
  EXPECT_TRUE(store.LoadChapterInfoLines("7", lines));
  EXPECT_EQ(lines, (StringList{"<p class=\"f1\">Seven</p>"}));
  EXPECT_FALSE(store.LoadChapterLines(TextKind::Translation, "07", lines));
  EXPECT_THROW(store.LoadChapterLines(TextKind::Transliteration, "07", lines), ContentError);
}

INSTANTIATE_TEST_SUITE_P(Toolchains, MingwDll,
                         ::testing::Values("i686-w64-mingw32", "x86_64-w64-mingw32"),
                         [](const auto& p) {
                           return std::string(p.param).find("x86_64") == 0 ? "Pe32Plus" : "Pe32";
                         });

}  // namespace
}  // namespace lumivra
