#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "content/ChapterCatalogue.h"
#include "content/DisplayOption.h"
#include "content/NodeKey.h"

namespace lumivra {
namespace {

// List form and long form of every chapter, written out in Windows-1252.
const std::array<std::pair<const char*, const char*>, 114> kExpected{{
    {"001 - Al-F\xE2tihah", "1. Al-F\xE2tihah : The Opening"},
    {"002 - Al-Baqarah", "2. Al-Baqarah : The Cow"},
    {"003 - Al-Imr\xE2n", "3. Al-Imr\xE2n : The Imramites"},
    {"004 - An-Nis\xE2", "4. An-Nis\xE2 : Women"},
    {"005 - Al-M\xE2'idah", "5. Al-M\xE2'idah : The Feast"},
    {"006 - Al-An'\xE2m", "6. Al-An'\xE2m : Livestock"},
    {"007 - Al-A'r\xE2" "f", "7. Al-A'r\xE2" "f : The Purgatory"},
    {"008 - Al-Anf\xE2l", "8. Al-Anf\xE2l : Spoils Of War"},
    {"009 - At-Taubah", "9. At-Taubah : Ultimatum"},
    {"010 - Y\xFBnus", "10. Y\xFBnus : Jonah"},
    {"011 - H\xFB" "d", "11. H\xFB" "d : Hood"},
    {"012 - Y\xFBsuf", "12. Y\xFBsuf : Joseph"},
    {"013 - Ar-Ra'd", "13. Ar-Ra'd : The Thunder"},
    {"014 - Ibrah\xEEm", "14. Ibrah\xEEm : Abraham"},
    {"015 - Al-Hijr", "15. Al-Hijr : Al Hijr Valley"},
    {"016 - An-Nahl", "16. An-Nahl : The Bee"},
    {"017 - Al-Isr\xE2", "17. Al-Isr\xE2 : Children of Isreal"},
    {"018 - Al-Kahf", "18. Al-Kahf : The Cave"},
    {"019 - Maryam", "19. Maryam : Mary"},
    {"020 - T\xE2\xADH\xE2", "20. T\xE2-H\xE2 : Ta-Ha"},
    {"021 - Al-Anbiy\xE2", "21. Al-Anbiy\xE2 : The Prophets"},
    {"022 - Al-Hajj", "22. Al-Hajj : The Pilgrimage"},
    {"023 - Al-Mu'min\xFBn", "23. Al-Mu'min\xFBn : The Believers"},
    {"024 - An-N\xFBr", "24. An-N\xFBr : Light"},
    {"025 - Al-Furq\xE2n", "25. Al-Furq\xE2n : The Statue Book"},
    {"026 - Ash-Shu'ar\xE2", "26. Ash-Shu'ar\xE2 : The Poets"},
    {"027 - An-Naml", "27. An-Naml : The Ant"},
    {"028 - Al-Qasas", "28. Al-Qasas : History"},
    {"029 - Al-'Ankab\xFBt", "29. Al-'Ankab\xFBt : The Spider"},
    {"030 - Ar\xADR\xFBm", "30. Ar-R\xFBm : The Romans"},
    {"031 - Luqm\xE2n", "31. Luqm\xE2n : Luqman"},
    {"032 - As\xADSajdah", "32. As-Sajdah : The Prostration"},
    {"033 - Al\xAD" "Ahz\xE2" "b", "33. Al-Ahz\xE2" "b : The Parties"},
    {"034 - Saba", "34. Saba : Sheba"},
    {"035 - Al\xADMal\xE2'ikah", "35. Al-Mal\xE2'ikah : Initiator"},
    {"036 - Y\xE2\xADS\xEEn", "36. Y\xE2-S\xEEn : Ya-Sin"},
    {"037 - As-S\xE2" "ff\xE2t", "37. As-S\xE2" "ff\xE2t : The Arrangers"},
    {"038 - S\xE2" "d", "38. S\xE2" "d : Sad"},
    {"039 - Az-Zumar", "39. Az-Zumar : The Throngs"},
    {"040 - Gh\xE2" "fir", "40. Gh\xE2" "fir : Forgiver"},
    {"041 - Fussilat", "41. Fussilat : Detailed"},
    {"042 - Ash-Sh\xFBra", "42. Ash-Sh\xFBra : Consultation"},
    {"043 - Az-Zukhruf", "43. Az-Zukhruf : Ornaments"},
    {"044 - Ad-Dukh\xE2n", "44. Ad-Dukh\xE2n : Smoke"},
    {"045 - Al-J\xE2thiya", "45. Al-J\xE2thiya : Kneeling"},
    {"046 - Al-Ahq\xE2" "f", "46. Al-Ahq\xE2" "f : The Dunes"},
    {"047 - Muhammad", "47. Muhammad : Muhammad"},
    {"048 - Al-Fath", "48. Al-Fath : Victory"},
    {"049 - Al-Hujur\xE2t", "49. Al-Hujur\xE2t : The Walls"},
    {"050 - Q\xE2" "f", "50. Q\xE2" "f : Q"},
    {"051 - Az-Z\xE2riy\xE2t", "51. Az-Z\xE2riy\xE2t : Drivers Of The Wind"},
    {"052 - At-T\xFBr", "52. At-T\xFBr : Mount Sinai"},
    {"053 - An-Najm", "53. An-Najm : The Stars"},
    {"054 - Al-Qamar", "54. Al-Qamar : The Moon"},
    {"055 - Ar-Rahm\xE2n", "55. Ar-Rahm\xE2n : Most Gracious"},
    {"056 - Al-W\xE2qi'ah", "56. Al-W\xE2qi'ah : The Inevitable"},
    {"057 - Al-Had\xEE" "d", "57. Al-Had\xEE" "d : Iron"},
    {"058 - Al-Muj\xE2" "dilah", "58. Al-Muj\xE2" "dilah : The Debate"},
    {"059 - Al-Hashr", "59. Al-Hashr : Exodus"},
    {"060 - Al-Mumtahinah", "60. Al-Mumtahinah : The Test"},
    {"061 - As-Saff", "61. As-Saff : Column"},
    {"062 - Al-Jumu'ah", "62. Al-Jumu'ah : Friday"},
    {"063 - Al-Munafiq\xFBn", "63. Al-Munafiq\xFBn : The Hypocrites"},
    {"064 - At-Tagh\xE2" "bun", "64. At-Tagh\xE2" "bun : Mutual Blaming"},
    {"065 - At-Tal\xE2q", "65. At-Tal\xE2q : Divorce"},
    {"066 - At-Tahr\xEEm", "66. At-Tahr\xEEm : Prohibition"},
    {"067 - Al-Mulk", "67. Al-Mulk : Kingship"},
    {"068 - Al-Qalam", "68. Al-Qalam : The Pen"},
    {"069 - Al-H\xE2qqah", "69. Al-H\xE2qqah : Incontestable"},
    {"070 - Al-Ma'\xE2rij", "70. Al-Ma'\xE2rij : The Heights"},
    {"071 - N\xFBh", "71. N\xFBh : Noah"},
    {"072 - Al-Jinn", "72. Al-Jinn : The Jinn"},
    {"073 - Al-Muzzammil", "73. Al-Muzzammil : Clocked"},
    {"074 - Al-Muddaththir", "74. Al-Muddaththir : The Hidden Secret"},
    {"075 - Al-Qiy\xE2mah", "75. Al-Qiy\xE2mah : Resurrection"},
    {"076 - Al-Ins\xE2n", "76. Al-Ins\xE2n : The Human"},
    {"077 - Al-Mursal\xE2t", "77. Al-Mursal\xE2t : Dispached"},
    {"078 - An-Naba", "78. An-Naba : The Event"},
    {"079 - An-Nazi'\xE2t", "79. An-Nazi'\xE2t : The Snatchers"},
    {"080 - Abasa", "80. Abasa : The Frowned"},
    {"081 - At-Takw\xEEr", "81. At-Takw\xEEr : The Rolling"},
    {"082 - Al-Infit\xE2r", "82. Al-Infit\xE2r : The Shattering"},
    {"083 - Al-Mutaffif\xEEn", "83. Al-Mutaffif\xEEn : The Cheaters"},
    {"084 - Al-Inshiq\xE2q", "84. Al-Inshiq\xE2q : The Rupture"},
    {"085 - Al-Bur\xFBj", "85. Al-Bur\xFBj : The Galaxies"},
    {"086 - At-T\xE2riq", "86. At-T\xE2riq : The Bright Star"},
    {"087 - Al-A'l\xE2", "87. Al-A'l\xE2 : The Most High"},
    {"088 - Al-Gh\xE2shiyah", "88. Al-Gh\xE2shiyah : The Overwhelming"},
    {"089 - Al-Fajr", "89. Al-Fajr : The Dawn"},
    {"090 - Al-Balad", "90. Al-Balad : The Town"},
    {"091 - Ash-Shams", "91. Ash-Shams : The Sun"},
    {"092 - Al-Lail", "92. Al-Lail : The Night"},
    {"093 - Ad-Duha", "93. Ad-Duha : The Forenoon"},
    {"094 - Ash-Sharh", "94. Ash-Sharh : Cooling The Temper"},
    {"095 - At-Tin", "95. At-Tin : The Fig"},
    {"096 - Al-'Alaq", "96. Al-'Alaq : The Embryo"},
    {"097 - Al-Qadr", "97. Al-Qadr : Destiny"},
    {"098 - Al-Baiyinah", "98. Al-Baiyinah : The Proof"},
    {"099 - Az-Zalzalah", "99. Az-Zalzalah : The Quake"},
    {"100 - Al-Adiy\xE2t", "100. Al-Adiy\xE2t : The Gallopers"},
    {"101 - Al-Q\xE2ri'ah", "101. Al-Q\xE2ri'ah : The Shocker"},
    {"102 - At-Tak\xE2thur", "102. At-Tak\xE2thur : Hoarding"},
    {"103 - Al-'Asr", "103. Al-'Asr : The Afternoon"},
    {"104 - Al-Humazah", "104. Al-Humazah : The Backbiter"},
    {"105 - Al-F\xEEl", "105. Al-F\xEEl : The Elephant"},
    {"106 - Quraish", "106. Quraish : Quraish Tribe"},
    {"107 - Al-M\xE2'\xFBn", "107. Al-M\xE2'\xFBn : Charity"},
    {"108 - Al-Kauthar", "108. Al-Kauthar : The Bounty"},
    {"109 - Al-K\xE2" "fir\xFBn", "109. Al-K\xE2" "fir\xFBn : The Disbelievers"},
    {"110 - An-Nasr", "110. An-Nasr : Triumph"},
    {"111 - Al-Masad", "111. Al-Masad : Thorns"},
    {"112 - Al-Ikhl\xE2s", "112. Al-Ikhl\xE2s : Absoluteness"},
    {"113 - Al-Falaq", "113. Al-Falaq : The Daybreak"},
    {"114 - An-N\xE2s", "114. An-N\xE2s : People"},
}};

TEST(ChapterCatalogue, EveryRowInBothForms) {
  for (int i = 0; i < 114; ++i) {
    EXPECT_EQ(ChapterListName(i), kExpected[static_cast<size_t>(i)].first) << "index " << i;
    EXPECT_EQ(ChapterLongName(std::to_string(i + 1)), kExpected[static_cast<size_t>(i)].second)
        << "chapter " << i + 1;
  }
}

TEST(ChapterCatalogue, SoftHyphenOnlyInSixListNames) {
  int withSoftHyphen = 0;
  for (int i = 0; i < 114; ++i) {
    if (ChapterListName(i).find('\xAD') != std::string::npos) ++withSoftHyphen;
    EXPECT_EQ(ChapterLongName(std::to_string(i + 1)).find('\xAD'), std::string::npos);
  }
  EXPECT_EQ(withSoftHyphen, 6);
  EXPECT_EQ(ChapterListName(19), "020 - T\xE2\xADH\xE2");
  EXPECT_EQ(ChapterLongName("20"), "20. T\xE2-H\xE2 : Ta-Ha");
}

TEST(ChapterCatalogue, OutOfRange) {
  EXPECT_EQ(ChapterListName(114), "");
  EXPECT_EQ(ChapterListName(-1), "");
  EXPECT_EQ(ChapterLongName("115"), "Not Known.");
  for (const char* text : {"116", "0", "-3", "", "abc", "1000000000000"})
    EXPECT_EQ(ChapterLongName(text), "Not Known") << text;
  EXPECT_EQ(ChapterName(0), "");
  EXPECT_EQ(ChapterTitle(115), "");
  EXPECT_EQ(ChapterName(114), "An-N\xE2s");
  EXPECT_EQ(ChapterTitle(1), "The Opening");
}

TEST(GetKeyField, Fields) {
  EXPECT_EQ(GetKeyField("Olvar~0", '~', 2), "0");
  EXPECT_EQ(GetKeyField("Olvar~12", '~', 1), "Olvar");
  EXPECT_EQ(GetKeyField("Olvar~12", '~', 2), "12");
  EXPECT_EQ(GetKeyField("Home", '~', 1), "Home");
  EXPECT_EQ(GetKeyField("Home", '~', 2), "");
  EXPECT_EQ(GetKeyField("a~~b", '~', 2), "");
  EXPECT_EQ(GetKeyField("a~~b", '~', 3), "b");
  EXPECT_EQ(GetKeyField("2:255", ':', 1), "2");
  EXPECT_EQ(GetKeyField("2:255", ':', 2), "255");
  EXPECT_EQ(GetKeyField("2:255", ':', 0), "");
  EXPECT_EQ(GetKeyField("2:255", ':', 3), "");
  EXPECT_EQ(GetKeyField("2:255", ':', -1), "");
  EXPECT_EQ(GetKeyField("", ':', 1), "");
  EXPECT_EQ(ChapterNodeKey(114), "Olvar~114");
  EXPECT_EQ(ChapterNodeKey(0), kBookKey);
}

TEST(DisplayOption, NamesBothWays) {
  EXPECT_EQ(DisplayOptionName(0), "Arabic & English Translation");
  EXPECT_EQ(DisplayOptionName(1), "Transliteration & English Translation");
  EXPECT_EQ(DisplayOptionName(2), "English Translation Only");
  EXPECT_EQ(DisplayOptionName(7), "Arabic & English Translation");
  EXPECT_EQ(DisplayOptionName(-1), "Arabic & English Translation");
  for (int o = 0; o < 3; ++o) EXPECT_EQ(DisplayOptionFromName(DisplayOptionName(o)), o);
  EXPECT_EQ(DisplayOptionFromName("english translation only"), 0);
  EXPECT_EQ(DisplayOptionFromName("English Translation Only "), 0);
  EXPECT_EQ(DisplayOptionFromName(""), 0);
  EXPECT_EQ(DisplayOptionFromValue(1), kTransliterationAndTranslation);
  EXPECT_FALSE(DisplayOptionFromValue(3));
  EXPECT_FALSE(DisplayOptionFromValue(-1));
}

TEST(DisplayOption, OfferedListFollowsTransliterationFile) {
  EXPECT_EQ(DisplayOptionNames(true),
            (std::vector<std::string>{"Arabic & English Translation",
                                      "Transliteration & English Translation",
                                      "English Translation Only"}));
  const auto without = DisplayOptionNames(false);
  ASSERT_EQ(without.size(), 2u);
  // Position 1 is then option 2, found by its name.
  EXPECT_EQ(DisplayOptionFromName(without[1]), 2);
}

}  // namespace
}  // namespace lumivra
