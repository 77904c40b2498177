// Packing the content package into the four core files: a small made-up
// source of 114 chapters, every way it can be refused, and the real package.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <nlohmann/json.hpp>
#include <regex>

#include "content/ChapterCatalogue.h"
#include "content/ContentStore.h"
#include "content/PeResourceFile.h"
#include "content/TextLines.h"
#include "tests/tools/ToolTestSupport.h"
#include "tools/ContentPacker.h"
#include "tools/InfoPages.h"
#include "tools/LineEncoding.h"

namespace lumivra {
namespace {

using ::testing::AllOfArray;
using ::testing::HasSubstr;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace fs = std::filesystem;
using nlohmann::json;
using testing::Quote;
using testing::ReadBytes;
using testing::RunCommand;
using testing::TestFolder;

// U+0628 BEH, U+0650 KASRA; U+2019, U+2014 and é have Windows-1252 bytes.
constexpr char kBeh[] = "\xD8\xA8\xD9\x90";
constexpr char kQuote[] = "\xE2\x80\x99";
constexpr char kDash[] = "\xE2\x80\x94";

size_t FakeVerseCount(int n) { return 1 + static_cast<size_t>(n % 3); }

// A dist folder in the content package's layout: chapters/en/N.json.
struct FakeSource {
  std::vector<json> chapters;

  FakeSource() {
    for (int n = 1; n <= kChapterCount; ++n) {
      json c{{"id", n},
             {"name", std::string("\xD8\xB3") + std::to_string(n)},
             {"transliteration", "Chapter-" + std::to_string(n)},
             {"translation", "The Chapter"},
             {"type", n % 4 == 0 ? "medinan" : "meccan"},
             {"total_verses", FakeVerseCount(n)},
             {"verses", json::array()}};
      for (size_t v = 1; v <= FakeVerseCount(n); ++v)
        c["verses"].push_back({{"id", v},
                               {"text", std::string(kBeh) + " " + std::to_string(v)},
                               {"translation", "Verse " + std::to_string(v) + " of " + std::to_string(n) + ", it" +
                                                   kQuote + "s caf\xC3\xA9 " + kDash},
                               {"transliteration", "bismi " + std::to_string(v)}});
      chapters.push_back(std::move(c));
    }
  }
  json& Chapter(int n) { return chapters[static_cast<size_t>(n - 1)]; }
  json& Verse(int n, int v) { return Chapter(n)["verses"][static_cast<size_t>(v - 1)]; }

  fs::path Write(const fs::path& dist) const {
    fs::create_directories(dist / "chapters" / "en");
    for (size_t i = 0; i < chapters.size(); ++i)
      testing::WriteBytes(dist / "chapters" / "en" / (std::to_string(i + 1) + ".json"), chapters[i].dump());
    return dist;
  }
};

std::unique_ptr<PeResourceFile> OpenCore(const fs::path& dir, const char* name) {
  std::string error;
  auto f = PeResourceFile::Open((dir / name).string(), &error);
  EXPECT_TRUE(f) << name << ": " << error;
  return f;
}

StringList Lines(const PeResourceFile& f, const std::string& name) {
  const auto bytes = f.FindResource(name, kResourceTypeHtml);
  EXPECT_TRUE(bytes) << name;
  return bytes ? SplitLines(*bytes) : StringList{};
}

// Folder content as name -> bytes, to see that a refused pack left it alone.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(dir)) files[e.path().filename().string()] = ReadBytes(e.path());
  return files;
}

TEST(ContentPacker, PacksOneLinePerVerseInEachFile) {
  TestFolder tmp("tools");
  const auto dist = FakeSource().Write(tmp / "dist");
  const auto summary = PackContentFolder(dist, tmp / "out");
  EXPECT_EQ(summary.chapters, 114);

  auto arabic = OpenCore(tmp / "out", kArabicFile);
  auto translation = OpenCore(tmp / "out", kTranslationFile);
  auto transliteration = OpenCore(tmp / "out", kTransliterationFile);
  ASSERT_TRUE(arabic && translation && transliteration);
  size_t verses = 0;
  for (int n = 1; n <= kChapterCount; ++n) {
    const std::string c = std::to_string(n);
    EXPECT_EQ(Lines(*arabic, "A" + c).size(), FakeVerseCount(n)) << n;
    EXPECT_EQ(Lines(*translation, "ETR" + c).size(), FakeVerseCount(n)) << n;
    EXPECT_EQ(Lines(*transliteration, "TL" + c).size(), FakeVerseCount(n)) << n;
    verses += FakeVerseCount(n);
  }
  EXPECT_EQ(summary.verses, verses);
  EXPECT_FALSE(translation->FindResource("ETR115", kResourceTypeHtml));
  EXPECT_FALSE(translation->FindResource("ETR0", kResourceTypeHtml));

  // Every line ends in CR LF; the Arabic is references only, the rest Windows-1252 bytes.
  EXPECT_EQ(arabic->FindResource("A5", kResourceTypeHtml), "&#1576;&#1616; 1\r\n&#1576;&#1616; 2\r\n&#1576;&#1616; 3\r\n");
  EXPECT_EQ(translation->FindResource("ETR3", kResourceTypeHtml), "Verse 1 of 3, it\x92s caf\xE9 \x97\r\n");
  EXPECT_EQ(transliteration->FindResource("tl4", kResourceTypeHtml), "bismi 1\r\nbismi 2\r\n");

  // The information texts: the book, 1 … 112, and one for the last two chapters.
  auto info = OpenCore(tmp / "out", kInfoFile);
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->FindResource("ci0", kResourceTypeHtml));
  for (int n = 1; n <= 112; ++n) EXPECT_TRUE(info->FindResource("ci" + std::to_string(n), kResourceTypeHtml)) << n;
  EXPECT_TRUE(info->FindResource("ci11314", kResourceTypeHtml));
  EXPECT_FALSE(info->FindResource("ci113", kResourceTypeHtml));
  EXPECT_FALSE(info->FindResource("ci114", kResourceTypeHtml));

  // Nothing but the four files is left behind.
  EXPECT_EQ(Snapshot(tmp / "out").size(), 4u);
}

TEST(ContentPacker, ARefusedPackNamesTheFaultAndLeavesTheFolderAlone) {
  struct Case {
    const char* what;
    std::function<void(FakeSource&)> damage;
    std::function<void(const fs::path&)> damageFiles;  // after writing
    std::vector<std::string> message;                  // parts the error text holds
  };
  const std::vector<Case> cases{
      {"missing chapter", nullptr, [](const fs::path& d) { fs::remove(d / "chapters/en/57.json"); },
       {"chapter 57 is missing", "57.json"}},
      {"verse count", [](FakeSource& s) { s.Chapter(9)["total_verses"] = 5; }, nullptr,
       {"chapter 9", "total_verses is 5", "1 verses are listed"}},
      {"a verse dropped", [](FakeSource& s) { s.Chapter(11)["verses"].erase(1); }, nullptr,
       {"chapter 11", "total_verses is 3", "2 verses"}},
      {"unencodable translation",
       [](FakeSource& s) { s.Verse(12, 1)["translation"] = "Isma\xC4\x81\xC4\xABl"; }, nullptr,
       {"chapter 12, verse 1", "translation", "U+0101", "Windows-1252"}},
      {"unencodable transliteration", [](FakeSource& s) { s.Verse(14, 3)["transliteration"] = "al\xE2\x80\x8Bzz"; },
       nullptr, {"chapter 14, verse 3", "transliteration", "U+200B"}},
      {"line break in the translation", [](FakeSource& s) { s.Verse(20, 2)["translation"] = "two\nlines"; }, nullptr,
       {"chapter 20, verse 2", "translation", "line break", "U+000A"}},
      {"CR in the transliteration", [](FakeSource& s) { s.Verse(22, 1)["transliteration"] = "a\rb"; }, nullptr,
       {"chapter 22, verse 1", "transliteration", "U+000D"}},
      {"line break in the Arabic", [](FakeSource& s) { s.Verse(3, 1)["text"] = std::string(kBeh) + "\r\n"; },
       nullptr, {"chapter 3, verse 1", "Arabic", "line break"}},
      {"NUL in the Arabic", [](FakeSource& s) { s.Verse(5, 1)["text"] = std::string("a\0b", 3); }, nullptr,
       {"chapter 5, verse 1", "NUL"}},
      {"markup in the translation", [](FakeSource& s) { s.Verse(7, 1)["translation"] = "a <b> c"; }, nullptr,
       {"chapter 7, verse 1", "markup"}},
      {"no translation", [](FakeSource& s) { s.Verse(30, 1).erase("translation"); }, nullptr,
       {"chapter 30, verse 1", "\"translation\""}},
      {"verses out of order", [](FakeSource& s) { s.Verse(2, 3)["id"] = 4; }, nullptr,
       {"chapter 2, verse 3", "numbered 4"}},
      {"wrong chapter in a file", [](FakeSource& s) { s.Chapter(8)["id"] = 80; }, nullptr,
       {"chapter 8", "holds chapter 80"}},
      {"unknown period", [](FakeSource& s) { s.Chapter(10)["type"] = "unknown"; }, nullptr,
       {"chapter 10", "unknown"}},
      {"broken JSON", nullptr, [](const fs::path& d) { testing::WriteBytes(d / "chapters/en/100.json", "{\"id\": 1"); },
       {"chapter 100", "not valid JSON"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestFolder tmp("tools");
    FakeSource source;
    if (c.damage) c.damage(source);
    const auto dist = source.Write(tmp / "dist");
    if (c.damageFiles) c.damageFiles(dist);
    // An earlier good pack stays exactly as it was.
    fs::create_directories(tmp / "out");
    testing::WriteBytes(tmp / "out" / kArabicFile, "earlier A");
    testing::WriteBytes(tmp / "out" / kInfoFile, "earlier SI");
    const auto before = Snapshot(tmp / "out");
    std::vector<::testing::Matcher<std::string>> parts;
    for (const auto& part : c.message) parts.push_back(HasSubstr(part));
    EXPECT_THAT([&] { PackContentFolder(dist, tmp / "out"); }, ThrowsMessage<PackError>(AllOfArray(parts)));
    EXPECT_EQ(Snapshot(tmp / "out"), before);
  }
}

TEST(ContentPacker, CommandReportsAndExits) {
  const std::string tool = Quote(fs::path(LUMIVRA_BUILD_DIR) / "olvar-tool");
  TestFolder tmp("tools");
  const auto dist = FakeSource().Write(tmp / "dist");
  auto ok = RunCommand(tool + " pack " + Quote(dist) + " " + Quote(tmp / "out") + " 2>&1");
  EXPECT_EQ(ok.exitCode, 0) << ok.out;
  EXPECT_NE(ok.out.find("Packed 114 chapters"), std::string::npos) << ok.out;
  EXPECT_EQ(Snapshot(tmp / "out").size(), 4u);

  fs::remove(dist / "chapters/en/114.json");
  auto refused = RunCommand(tool + " pack " + Quote(dist) + " " + Quote(tmp / "out2") + " 2>&1");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.out.find("chapter 114 is missing"), std::string::npos) << refused.out;
  EXPECT_FALSE(fs::exists(tmp / "out2"));

  auto usage = RunCommand(tool + " pack " + Quote(dist) + " 2>&1");
  EXPECT_EQ(usage.exitCode, 1);
  EXPECT_NE(usage.out.find("usage"), std::string::npos);
}

// Counts each opening tag against its closing tag.
void ExpectBalanced(const std::string& html, const std::string& key) {
  for (const char* tag : {"table", "tr", "td", "font", "span", "p", "b"}) {
    const std::regex open(std::string("<") + tag + "[ >]"), close(std::string("</") + tag + ">");
    const auto opens = std::distance(std::sregex_iterator(html.begin(), html.end(), open), std::sregex_iterator());
    const auto closes = std::distance(std::sregex_iterator(html.begin(), html.end(), close), std::sregex_iterator());
    EXPECT_EQ(opens, closes) << key << " <" << tag << ">";
  }
}

TEST(InfoPages, TellEachChapterFromTheSourceData) {
  TestFolder tmp("tools");
  const auto chapters = ReadContentSource(FakeSource().Write(tmp / "dist"));
  const auto pages = BuildInfoPages(chapters);
  ASSERT_EQ(pages.size(), 114u);
  EXPECT_EQ(pages.front().key, "0");
  EXPECT_EQ(pages[113].key, "11314");
  size_t total = 0;
  for (int n = 1; n <= 114; ++n) total += FakeVerseCount(n);
  for (const auto& p : pages) {
    ExpectBalanced(p.text, p.key);
    EXPECT_EQ(p.text.substr(p.text.size() - 2), "\r\n");
    EXPECT_NE(p.text.find("of " + std::to_string(total)), std::string::npos) << p.key;
  }

  // The book: totals and the two periods counted from the data.
  const std::string& book = pages[0].text;
  EXPECT_NE(book.find("114 chapters"), std::string::npos);
  EXPECT_NE(book.find(std::to_string(total) + " verses"), std::string::npos);
  EXPECT_NE(book.find(">86, with "), std::string::npos);  // Meccan: every chapter not divisible by 4
  EXPECT_NE(book.find(">28, with "), std::string::npos);
  EXPECT_NE(book.find("quran-json 3.1.2"), std::string::npos);
  EXPECT_NE(book.find("CC BY-SA 4.0"), std::string::npos);

  // A chapter: names, period, verse count, neighbours, where its verses fall.
  const std::string& second = pages[2].text;  // chapter 2: 3 verses after chapter 1's 2
  EXPECT_NE(second.find(ChapterLongName("2")), std::string::npos);
  EXPECT_NE(second.find(ChapterTitle(2)), std::string::npos);
  EXPECT_NE(second.find("&#1587;2"), std::string::npos);  // Arabic name as references
  EXPECT_NE(second.find("Meccan"), std::string::npos);
  EXPECT_NE(second.find("verses 3 to 5 of"), std::string::npos);
  EXPECT_NE(second.find(ChapterLongName("1")), std::string::npos);
  EXPECT_NE(second.find(ChapterLongName("3")), std::string::npos);
  EXPECT_NE(second.find("Verse 1 of 2, it\x92s"), std::string::npos);
  EXPECT_NE(pages[4].text.find("Medinan"), std::string::npos);
  EXPECT_NE(pages[1].text.find("it opens the book"), std::string::npos);

  // The last two chapters share one text.
  const std::string& last = pages[113].text;
  EXPECT_NE(last.find(ChapterLongName("113")), std::string::npos);
  EXPECT_NE(last.find(ChapterLongName("114")), std::string::npos);
  EXPECT_NE(last.find("it closes the book"), std::string::npos);
}

TEST(LineEncoding, ArabicBecomesAsciiAndTheRestWindows1252) {
  EXPECT_EQ(EncodeArabicLine(std::string(kBeh) + " x<y&\"", "w"), "&#1576;&#1616; x&#60;y&#38;&#34;");
  EXPECT_EQ(EncodeArabicLine("\xF0\x9F\x98\x80", "w"), "&#128512;");
  EXPECT_EQ(EncodeArabicLine("", "w"), "");
  // Open tanween: U+0657, U+065E, U+0656 become U+08F0, U+08F1, U+08F2.
  EXPECT_EQ(EncodeArabicLine("\xD9\x97\xD9\x9E\xD9\x96", "w"), "&#2288;&#2289;&#2290;");
  EXPECT_EQ(EncodeCp1252Line(std::string("it") + kQuote + "s caf\xC3\xA9\t\xE2\x82\xAC", "w"), "it\x92s caf\xE9\t\x80");
  for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "\x80"}) {
    EXPECT_THROW(EncodeArabicLine(bad, "w"), PackError) << bad;
    EXPECT_THROW(EncodeCp1252Line(bad, "w"), PackError) << bad;
  }
  // C1 controls have no place in text, though five of them map to bytes.
  EXPECT_THROW(EncodeCp1252Line("\xC2\x85", "w"), PackError);
  EXPECT_THROW(EncodeCp1252Line("\xC2\x81", "w"), PackError);
  EXPECT_THROW(EncodeCp1252Line("a\x01", "w"), PackError);
  EXPECT_THAT([] { EncodeCp1252Line("\xC4\x81", "chapter 1, verse 2: the translation"); },
              ThrowsMessage<PackError>(
                  StrEq("chapter 1, verse 2: the translation holds U+0101, which Windows-1252 cannot hold")));
}

TEST(InfoPages, Ordinals) {
  const std::vector<std::pair<int, const char*>> cases{{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},
                                                       {11, "11th"}, {12, "12th"}, {13, "13th"}, {21, "21st"},
                                                       {102, "102nd"}, {111, "111th"}, {113, "113th"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(Ordinal(n), text);
}

// The real content package, when it is installed.
TEST(ContentPacker, RealPackageGivesTheWholeBook) {
  const fs::path dist = fs::path(LUMIVRA_SOURCE_DIR) / "data/node_modules/quran-json/dist";
  if (!fs::is_directory(dist)) GTEST_SKIP() << "content package not installed";
  TestFolder tmp("tools");
  const auto start = std::chrono::steady_clock::now();
  const auto summary = PackContentFolder(dist, tmp.path());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  RecordProperty("pack_seconds", std::to_string(seconds));
  EXPECT_EQ(summary.verses, 6236u);

  auto arabic = OpenCore(tmp.path(), kArabicFile);
  auto translation = OpenCore(tmp.path(), kTranslationFile);
  auto transliteration = OpenCore(tmp.path(), kTransliterationFile);
  auto info = OpenCore(tmp.path(), kInfoFile);
  ASSERT_TRUE(arabic && translation && transliteration && info);
  size_t verses = 0;
  for (int n = 1; n <= kChapterCount; ++n) {
    const std::string c = std::to_string(n);
    const size_t count = Lines(*translation, "ETR" + c).size();
    verses += count;
    EXPECT_EQ(Lines(*arabic, "A" + c).size(), count) << n;
    EXPECT_EQ(Lines(*transliteration, "TL" + c).size(), count) << n;
  }
  EXPECT_EQ(verses, 6236u);
  EXPECT_EQ(Lines(*translation, "ETR2").size(), 286u);
  EXPECT_EQ(Lines(*translation, "ETR1")[0], "In the name of Allah, the Entirely Merciful, the Especially Merciful");
  const std::string a1 = Lines(*arabic, "A1")[0];
  EXPECT_TRUE(std::regex_match(a1, std::regex("(&#[0-9]+;| )+"))) << a1;
  EXPECT_EQ(a1.substr(0, 7), "&#1576;");  // BEH

  // The book page counts the two periods of the real data.
  const auto book = info->FindResource("CI0", kResourceTypeHtml);
  ASSERT_TRUE(book);
  EXPECT_NE(book->find(">86, with "), std::string::npos);
  EXPECT_NE(book->find(">28, with "), std::string::npos);
  EXPECT_NE(book->find("2. Al-Baqarah, 286 verses"), std::string::npos);

  // Independent readers agree: 114 resources each, same bytes.
  for (const char* name : {kArabicFile, kTranslationFile, kTransliterationFile}) {
    const auto list = RunCommand("wrestool -l " + Quote(tmp.path() / name));
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 114) << name;
  }
  const auto etr2 = RunCommand("wrestool -x --raw --type=23 --name=ETR2 " + Quote(tmp.path() / kTranslationFile));
  EXPECT_EQ(etr2.out, translation->FindResource("ETR2", kResourceTypeHtml));
  const auto pe = RunCommand("/usr/bin/python3 " LUMIVRA_SOURCE_DIR "/tests/tools/pe_dump.py " +
                             Quote(tmp.path() / kInfoFile));
  const auto report = json::parse(pe.out);
  EXPECT_TRUE(report["checksum_ok"].get<bool>());
  EXPECT_TRUE(report["names_sorted"].get<bool>());
  EXPECT_EQ(report["resources"].size(), 114u);
}

}  // namespace
}  // namespace lumivra
