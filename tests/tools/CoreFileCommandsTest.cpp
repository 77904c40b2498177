// olvar-tool resource and page, run as a user runs them, in a folder of core files.
#include <gtest/gtest.h>

#include "pages/ChapterPageBuilder.h"
#include "tests/content/PeImage.h"
#include "tests/tools/ToolTestSupport.h"

namespace lumivra {
namespace {

using testing::BuildPeImage;
using testing::Quote;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

using Run = testing::ToolRun;

Run Tool(const TestFolder& dir, const std::string& args) { return testing::RunTool(dir, args); }

const std::string kBinary = std::string("line one\r\nline\0two\r\n\xE2\xFF", 23);

void WriteCoreFiles(const TestFolder& dir, bool arabic, bool transliteration, bool tl7 = true) {
  if (arabic) WriteBytes(dir / "ARef32.dll", BuildPeImage({{23, "A7", "ar1\r\nar2\r\n"}}).image);
  WriteBytes(dir / "ETRRef32.dll",
            BuildPeImage({{23, "ETR7", "en1\r\nen2\r\n"}, {23, "ETR1", "a\r\nb\r\n"}, {23, "BIN", kBinary}})
                .image);
  if (transliteration)
    WriteBytes(dir / "TLRef32.dll", BuildPeImage({{23, tl7 ? "TL7" : "TL8", "tl1\r\ntl2\r\n"}}).image);
  WriteBytes(dir / "SIRef32.dll", BuildPeImage({{23, "ci0", "<p>book</p>"}}).image);
}

TEST(ResourceCommand, WritesRawBytesOfAnyLetterCase) {
  TestFolder dir("tools");
  WriteCoreFiles(dir, true, true);
  auto r = Tool(dir, "resource ETRRef32.dll bin");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, kBinary);
  r = Tool(dir, "resource " + Quote(dir / "ETRRef32.dll") + " Etr7");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "en1\r\nen2\r\n");
}

TEST(ResourceCommand, Failures) {
  TestFolder dir("tools");
  WriteCoreFiles(dir, true, true);
  WriteBytes(dir / "broken.dll", BuildPeImage({{23, "X", "x"}}).image.substr(0, 600));

  auto r = Tool(dir, "resource ETRRef32.dll ETR2");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "olvar-tool: Resource ETR2 not found\n");

  for (const char* file : {"missing.dll", "broken.dll", "."}) {
    r = Tool(dir, std::string("resource ") + file + " X");
    EXPECT_EQ(r.exitCode, 1) << file;
    EXPECT_EQ(r.out, "") << file;
    EXPECT_NE(r.err.find(file), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("cannot open"), std::string::npos) << r.err;
  }
  for (const char* args : {"resource", "resource ETRRef32.dll", "resource a b c"}) {
    r = Tool(dir, args);
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_NE(r.err.find("usage"), std::string::npos) << args;
  }
}

TEST(PageCommand, ReadsAsTheChapterViewDoes) {
  TestFolder dir("tools");
  WriteCoreFiles(dir, true, true);
  auto r = Tool(dir, "page 0 7");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, BuildChapterPage(0, "7", {"ar1", "ar2"}, {"en1", "en2"}));
  r = Tool(dir, "page 1 7");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, BuildChapterPage(1, "7", {"tl1", "tl2"}, {"en1", "en2"}));
  r = Tool(dir, "page 2 1");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, BuildChapterPage(2, "1", {}, {"a", "b"}));
  EXPECT_EQ(r.err, "");
}

TEST(PageCommand, ErrorsGoToStandardError) {
  TestFolder dir("tools");
  WriteCoreFiles(dir, true, true, /*tl7=*/false);
  auto r = Tool(dir, "page 1 7");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "olvar-tool: Resource TL7 not found\n");

  // Only 1 to 114 in plain digits names a chapter; the rest is refused before
  // any file is read.
  for (const std::string chapter : {"0", "115", "-1", "+7", "07", "7.0", " 7", "1e2", ""}) {
    r = Tool(dir, "page 1 " + Quote(chapter));
    EXPECT_EQ(r.exitCode, 1) << chapter;
    EXPECT_EQ(r.out, "") << chapter;
    EXPECT_EQ(r.err, "olvar-tool: bad chapter \"" + chapter + "\": use a chapter 1 to 114\n");
  }

  for (const char* option : {"3", "-1", "x", "00"}) {
    r = Tool(dir, std::string("page ") + option + " 7");
    EXPECT_EQ(r.exitCode, 1) << option;
    EXPECT_EQ(r.out, "") << option;
    EXPECT_EQ(r.err, std::string("olvar-tool: display option must be 0, 1 or 2, not \"") + option + "\"\n")
        << option;
  }
}

TEST(PageCommand, MissingCoreFiles) {
  const std::string kNoArabic =
      "olvar-tool: Warning : Failed to load core file ARef32.dll.\n"
      "olvar-tool: List index out of bounds (0)\n";
  TestFolder dir("tools");
  WriteCoreFiles(dir, /*arabic=*/false, /*transliteration=*/false);
  // No Arabic: the first list is empty and the build stops at index 0.
  auto r = Tool(dir, "page 0 7");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, kNoArabic);
  // No transliteration file: no message of its own, the same stop.
  r = Tool(dir, "page 1 7");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, kNoArabic);
  // The translation alone still works.
  r = Tool(dir, "page 2 7");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, BuildChapterPage(2, "7", {}, {"en1", "en2"}));
}

// Each core file is taken from beside olvar-tool first, then from the working
// folder; so the packed files beside the built tool serve any folder.
TEST(CoreFileSearch, BesideTheToolFirstThenTheWorkingFolder) {
  TestFolder program("tools"), work("tools");
  std::filesystem::copy_file(testing::kToolApart, program / "olvar-tool");
  WriteBytes(program / "ETRRef32.dll", BuildPeImage({{23, "ETR7", "beside\r\n"}}).image);
  WriteCoreFiles(work, true, true);
  auto r = testing::RunTool(work, "page 0 7", program / "olvar-tool");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, BuildChapterPage(0, "7", {"ar1", "ar2"}, {"beside"}));

  TestFolder empty("tools");
  const std::string built = LUMIVRA_BUILD_DIR "/olvar-tool";
  for (const char* args : {"page 0 1", "search mercy", "info 1"}) {
    r = testing::RunTool(empty, args, built);
    EXPECT_EQ(r.exitCode, 0) << args << ": " << r.err;
    EXPECT_EQ(r.err, "") << args;
    EXPECT_GT(r.out.size(), 1000u) << args;
  }
}

}  // namespace
}  // namespace lumivra
