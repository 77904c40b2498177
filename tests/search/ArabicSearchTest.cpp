#include <gtest/gtest.h>

#include "content/PeResourceFile.h"
#include "search/ArabicMatch.h"
#include "search/SearchPages.h"
#include "search/VerseSearch.h"
#include "tests/search/TranslationFixture.h"

using namespace lumivra;
using namespace lumivra::arabic;

namespace {

using Units = std::vector<ArabicUnit>;

Units Verse(const std::string& text) {
  Units units;
  FoldVerse(DecodeUtf8Text(text), units);
  return units;
}

// Plain letters fold to themselves.
Units Plain(const std::string& text) { return FoldSearchText(DecodeUtf8Text(text)); }

Units operator+(Units a, const Units& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

bool Finds(const std::string& pattern, const std::string& verse) {
  return ArabicPattern::FromText(pattern).Occurs(Verse(verse));
}

using lumivra::testing::ArabicReferences;

}  // namespace

TEST(ArabicFold, DropsMarksJoinsLetterFormsAndKeepsTheVersesSmallLetters) {
  DecodedText d;
  DecodeReferences("&#1576;&#x628; &#;&#99999999;\xE9", d);
  EXPECT_EQ(d.chars, U"\u0628\u0628 &#;&#99999999;\u00E9");
  EXPECT_EQ(d.offsets[1], 7u);
  EXPECT_EQ(d.offsets.back(), 30u);

  EXPECT_EQ(Verse("آ أ إ ٱ ى \u06CC ة ؤ ئ \u0633\u0654 \u0633\u0655 \u06A9"), Plain("ا ا ا ا ي ي ه و ء سء سء ك"));
  EXPECT_EQ(Verse("بِسۡمِ ٱللَّهِ ـ ࣲ ۖ ۞"), (Plain("بسم الله") + Units{kBlank, kBlank, kBlank, kBlank}));
  EXPECT_EQ(Plain("آمنوا"), Plain("ءامنوا"));
  EXPECT_EQ(Plain("ءامنوا"), Plain("امنوا"));
  EXPECT_EQ(Verse("بِهِ\u06E5 عَلَيۡهِۧ"), (Plain("به") + Units{kSmallWaw, kBlank} + Plain("عليه") + Units{kSmallYeh}));
  EXPECT_EQ(Verse("ٱلصَّلَوٰةَ"), (Plain("الصل") + Units{kWawSmallAlef, kSmallAlef} + Plain("ه")));
  EXPECT_EQ(Plain(" ً الصلوٰة ـ "), Plain("الصلوه"));  // small letters dropped, blanks trimmed after

  UnitSpans spans;
  Units units;
  FoldVerse(U"\u0621\u064E\u0627\u0645", units, &spans);  // ءَام: the hamza and alef are one alef
  EXPECT_EQ(units, Plain("ام"));
  EXPECT_EQ(spans.first, (std::vector<uint32_t>{0, 3}));
  EXPECT_EQ(spans.last, (std::vector<uint32_t>{2, 3}));

  EXPECT_TRUE(HoldsArabicLetter("mercy \xD8\xA8"));
  EXPECT_FALSE(HoldsArabicLetter("caf\xC3\xA9 \xD9\x8B"));  // é and a mark alone
  EXPECT_FALSE(HoldsArabicLetter("\xD8\xA8\xD8"));         // not UTF-8
}

TEST(ArabicMatch, SmallLettersJoinedAlefAndBlanks) {
  EXPECT_TRUE(Finds("إبراهيم", "إِبۡرَٰهِـۧمَ"));  // the small alef and yeh read
  EXPECT_TRUE(Finds("ابرهم", "إِبۡرَٰهِـۧمَ"));    // or not
  EXPECT_TRUE(Finds("الصلاة", "ٱلصَّلَوٰةَ"));    // waw and small alef as one alef
  EXPECT_TRUE(Finds("الصلوة", "ٱلصَّلَوٰةَ"));
  EXPECT_TRUE(Finds("التوراة", "ٱلتَّوۡرَىٰةَ"));
  EXPECT_FALSE(Finds("الصلاوة", "ٱلصَّلَوٰةَ"));
  EXPECT_TRUE(Finds("يا أيها", "يَٰٓأَيُّهَا"));  // a blank matches nothing
  EXPECT_TRUE(Finds("يا ايها الناس", "يَٰٓأَيُّهَا ٱلنَّاسُ"));
  EXPECT_FALSE(Finds("ياايهاالناس", "يَٰٓأَيُّهَا ٱلنَّاسُ"));  // the verse's blank is not optional
  EXPECT_FALSE(Finds("الله x", "ٱللَّهِ x"));  // nor is anything but Arabic matched
  EXPECT_FALSE(Finds("ـ", "ٱللَّهِ"));         // nothing to look for

  EXPECT_EQ(ArabicPattern::FromText("لل").Matches(Plain("للل ل")),
            (std::vector<std::pair<size_t, size_t>>{{0, 1}}));
  // Longer than one machine word of states.
  std::string words;
  for (int i = 0; i < 40; ++i) words += "بَٰت ";
  std::string other = words;
  other.replace(other.rfind("ت"), 2, "ن");
  EXPECT_TRUE(Finds(words, words));
  EXPECT_FALSE(Finds(words, other));
  const std::string blanks(70, ' ');
  EXPECT_TRUE(Finds("ت" + blanks + "ب", words));
  EXPECT_FALSE(Finds("ب" + blanks + "ب", words));

  // A mark runs from the letter through the marks on the last one; a match
  // that begins on a small alef takes the letter it sits on.
  const auto marked = [](const std::string& text, const std::string& line) {
    return HighlightArabicMatches(ArabicReferences(line), ArabicPattern::FromText(text));
  };
  const std::string open = "<b><font color=\"red\">", close = "</b></font>";
  EXPECT_EQ(marked("صلاة", "ٱلصَّلَوٰةَ ٱلصَّلَوٰةَ"),
            ArabicReferences("ٱل") + open + ArabicReferences("صَّلَوٰةَ") + close + ArabicReferences(" ٱل") + open +
                ArabicReferences("صَّلَوٰةَ") + close);
  EXPECT_EQ(marked("اه", "رَٰهِـۧ"), open + ArabicReferences("رَٰهِ") + close + ArabicReferences("ـۧ"));
}

TEST(ArabicSearchBook, CountsOfCommonWordsInThePackedCoreFiles) {
  const auto translation = PeResourceFile::Open(LUMIVRA_BUILD_DIR "/ETRRef32.dll");
  const auto arabic = PeResourceFile::Open(LUMIVRA_BUILD_DIR "/ARef32.dll");
  ASSERT_TRUE(translation && arabic) << "the packed core files of " << LUMIVRA_BUILD_DIR;
  VerseSearch search;
  search.SetTranslationLibrary(translation.get());
  search.SetArabicLibrary(arabic.get());
  auto find = [&](const std::string& text, int scope = 0) {
    search.ClearFoundPositions();
    search.MatchArabicVerses(text, scope);
    return search.FoundPositions();
  };
  const auto abraham = find("إبراهيم");
  ASSERT_EQ(abraham.size(), 63u);
  EXPECT_EQ(search.RecordVerseRef(abraham[0]), "2:124");
  EXPECT_EQ(find("الصلاة").size(), 61u);
  EXPECT_EQ(find("الرحمن").size(), 48u);
  EXPECT_EQ(find("الرحمان"), find("الرحمن"));
  const auto believed = find("آمنوا");
  EXPECT_EQ(believed.size(), 266u);
  EXPECT_EQ(find("ءامنوا"), believed);
  EXPECT_EQ(find(" امنوا "), believed);
  EXPECT_EQ(find("الله").size(), 1746u);
  const auto inTwo = find("إبراهيم", 2);
  EXPECT_EQ(inTwo, std::vector<int>(abraham.begin(), abraham.begin() + static_cast<long>(inTwo.size())));
  EXPECT_EQ(inTwo.size(), 12u);

  const std::string view = BuildArabicSearchViewBody(search, abraham[0], " إبراهيم ");
  EXPECT_NE(view.find("Search Text : &#1573;&#1576;&#1585;&#1575;&#1607;&#1610;&#1605;.<br>Surah/Chapter 002"),
            std::string::npos);
  EXPECT_NE(view.find("<b><font color=\"red\">" + ArabicReferences("إِبۡرَٰهِـۧمَ") + "</b></font>"), std::string::npos);

  // No Arabic file, or one without the Arabic: nothing is found.
  VerseSearch none, wrong;
  none.SetTranslationLibrary(translation.get());
  none.MatchArabicVerses("الله", 0);
  wrong.SetTranslationLibrary(translation.get());
  wrong.SetArabicLibrary(translation.get());
  wrong.MatchArabicVerses("الله", 0);
  EXPECT_TRUE(none.FoundPositions().empty());
  EXPECT_TRUE(wrong.FoundPositions().empty());
}
