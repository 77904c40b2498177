#include "content/ChapterCatalogue.h"

#include <array>

#include "content/IntConvert.h"

namespace lumivra {
namespace {

struct Chapter {
  const char* name;   // Windows-1252
  const char* title;
  bool softHyphen;    // list form writes U+00AD for the name's hyphen
};

// clang-format off
constexpr std::array<Chapter, kChapterCount> kChapters{{
    {"Al-F\xE2tihah", "The Opening", false},
    {"Al-Baqarah", "The Cow", false},
    {"Al-Imr\xE2n", "The Imramites", false},
    {"An-Nis\xE2", "Women", false},
    {"Al-M\xE2'idah", "The Feast", false},
    {"Al-An'\xE2m", "Livestock", false},
    {"Al-A'r\xE2" "f", "The Purgatory", false},
    {"Al-Anf\xE2l", "Spoils Of War", false},
    {"At-Taubah", "Ultimatum", false},
    {"Y\xFBnus", "Jonah", false},
    {"H\xFB" "d", "Hood", false},
    {"Y\xFBsuf", "Joseph", false},
    {"Ar-Ra'd", "The Thunder", false},
    {"Ibrah\xEEm", "Abraham", false},
    {"Al-Hijr", "Al Hijr Valley", false},
    {"An-Nahl", "The Bee", false},
    {"Al-Isr\xE2", "Children of Isreal", false},
    {"Al-Kahf", "The Cave", false},
    {"Maryam", "Mary", false},
    {"T\xE2-H\xE2", "Ta-Ha", true},
    {"Al-Anbiy\xE2", "The Prophets", false},
    {"Al-Hajj", "The Pilgrimage", false},
    {"Al-Mu'min\xFBn", "The Believers", false},
    {"An-N\xFBr", "Light", false},
    {"Al-Furq\xE2n", "The Statue Book", false},
    {"Ash-Shu'ar\xE2", "The Poets", false},
    {"An-Naml", "The Ant", false},
    {"Al-Qasas", "History", false},
    {"Al-'Ankab\xFBt", "The Spider", false},
    {"Ar-R\xFBm", "The Romans", true},
    {"Luqm\xE2n", "Luqman", false},
    {"As-Sajdah", "The Prostration", true},
    {"Al-Ahz\xE2" "b", "The Parties", true},
    {"Saba", "Sheba", false},
    {"Al-Mal\xE2'ikah", "Initiator", true},
    {"Y\xE2-S\xEEn", "Ya-Sin", true},
    {"As-S\xE2" "ff\xE2t", "The Arrangers", false},
    {"S\xE2" "d", "Sad", false},
    {"Az-Zumar", "The Throngs", false},
    {"Gh\xE2" "fir", "Forgiver", false},
    {"Fussilat", "Detailed", false},
    {"Ash-Sh\xFBra", "Consultation", false},
    {"Az-Zukhruf", "Ornaments", false},
    {"Ad-Dukh\xE2n", "Smoke", false},
    {"Al-J\xE2thiya", "Kneeling", false},
    {"Al-Ahq\xE2" "f", "The Dunes", false},
    {"Muhammad", "Muhammad", false},
    {"Al-Fath", "Victory", false},
    {"Al-Hujur\xE2t", "The Walls", false},
    {"Q\xE2" "f", "Q", false},
    {"Az-Z\xE2riy\xE2t", "Drivers Of The Wind", false},
    {"At-T\xFBr", "Mount Sinai", false},
    {"An-Najm", "The Stars", false},
    {"Al-Qamar", "The Moon", false},
    {"Ar-Rahm\xE2n", "Most Gracious", false},
    {"Al-W\xE2qi'ah", "The Inevitable", false},
    {"Al-Had\xEE" "d", "Iron", false},
    {"Al-Muj\xE2" "dilah", "The Debate", false},
    {"Al-Hashr", "Exodus", false},
    {"Al-Mumtahinah", "The Test", false},
    {"As-Saff", "Column", false},
    {"Al-Jumu'ah", "Friday", false},
    {"Al-Munafiq\xFBn", "The Hypocrites", false},
    {"At-Tagh\xE2" "bun", "Mutual Blaming", false},
    {"At-Tal\xE2q", "Divorce", false},
    {"At-Tahr\xEEm", "Prohibition", false},
    {"Al-Mulk", "Kingship", false},
    {"Al-Qalam", "The Pen", false},
    {"Al-H\xE2qqah", "Incontestable", false},
    {"Al-Ma'\xE2rij", "The Heights", false},
    {"N\xFBh", "Noah", false},
    {"Al-Jinn", "The Jinn", false},
    {"Al-Muzzammil", "Clocked", false},
    {"Al-Muddaththir", "The Hidden Secret", false},
    {"Al-Qiy\xE2mah", "Resurrection", false},
    {"Al-Ins\xE2n", "The Human", false},
    {"Al-Mursal\xE2t", "Dispached", false},
    {"An-Naba", "The Event", false},
    {"An-Nazi'\xE2t", "The Snatchers", false},
    {"Abasa", "The Frowned", false},
    {"At-Takw\xEEr", "The Rolling", false},
    {"Al-Infit\xE2r", "The Shattering", false},
    {"Al-Mutaffif\xEEn", "The Cheaters", false},
    {"Al-Inshiq\xE2q", "The Rupture", false},
    {"Al-Bur\xFBj", "The Galaxies", false},
    {"At-T\xE2riq", "The Bright Star", false},
    {"Al-A'l\xE2", "The Most High", false},
    {"Al-Gh\xE2shiyah", "The Overwhelming", false},
    {"Al-Fajr", "The Dawn", false},
    {"Al-Balad", "The Town", false},
    {"Ash-Shams", "The Sun", false},
    {"Al-Lail", "The Night", false},
    {"Ad-Duha", "The Forenoon", false},
    {"Ash-Sharh", "Cooling The Temper", false},
    {"At-Tin", "The Fig", false},
    {"Al-'Alaq", "The Embryo", false},
    {"Al-Qadr", "Destiny", false},
    {"Al-Baiyinah", "The Proof", false},
    {"Az-Zalzalah", "The Quake", false},
    {"Al-Adiy\xE2t", "The Gallopers", false},
    {"Al-Q\xE2ri'ah", "The Shocker", false},
    {"At-Tak\xE2thur", "Hoarding", false},
    {"Al-'Asr", "The Afternoon", false},
    {"Al-Humazah", "The Backbiter", false},
    {"Al-F\xEEl", "The Elephant", false},
    {"Quraish", "Quraish Tribe", false},
    {"Al-M\xE2'\xFBn", "Charity", false},
    {"Al-Kauthar", "The Bounty", false},
    {"Al-K\xE2" "fir\xFBn", "The Disbelievers", false},
    {"An-Nasr", "Triumph", false},
    {"Al-Masad", "Thorns", false},
    {"Al-Ikhl\xE2s", "Absoluteness", false},
    {"Al-Falaq", "The Daybreak", false},
    {"An-N\xE2s", "People", false},
}};
// clang-format on

}  // namespace

std::string ChapterName(int chapter) {
  if (chapter < 1 || chapter > kChapterCount) return {};
  return kChapters[static_cast<size_t>(chapter - 1)].name;
}

std::string ChapterTitle(int chapter) {
  if (chapter < 1 || chapter > kChapterCount) return {};
  return kChapters[static_cast<size_t>(chapter - 1)].title;
}

std::string ChapterListName(int index) {
  if (index < 0 || index >= kChapterCount) return {};
  const Chapter& c = kChapters[static_cast<size_t>(index)];
  std::string name = c.name;
  if (c.softHyphen) {
    if (auto pos = name.find('-'); pos != std::string::npos) name[pos] = '\xAD';
  }
  std::string number = std::to_string(index + 1);
  number.insert(0, 3 - number.size(), '0');
  return number + " - " + name;
}

std::string ChapterLongName(const std::string& chapter) {
  const int c = ParseIntDef(chapter, 0);
  if (c >= 1 && c <= kChapterCount) {
    const Chapter& entry = kChapters[static_cast<size_t>(c - 1)];
    return std::to_string(c) + ". " + entry.name + " : " + entry.title;
  }
  return c == kChapterCount + 1 ? "Not Known." : "Not Known";
}

}  // namespace lumivra
