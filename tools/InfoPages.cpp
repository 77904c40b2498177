#include "tools/InfoPages.h"

#include <algorithm>

#include "content/ChapterCatalogue.h"
#include "content/TextLines.h"
#include "tools/LineEncoding.h"

namespace lumivra {
namespace {

// The book's name in Arabic script (al-Qur'an), as UTF-8.
constexpr char kBookArabicName[] = "\xD8\xA7\xD9\x84\xD9\x82\xD8\xB1\xD8\xA2\xD9\x86";

void CheckChapters(const std::vector<SourceChapter>& chapters) {
  if (chapters.size() != static_cast<size_t>(kChapterCount))
    throw PackError("the source holds " + std::to_string(chapters.size()) + " chapters, not " +
                    std::to_string(kChapterCount));
  for (size_t i = 0; i < chapters.size(); ++i)
    if (chapters[i].number != static_cast<int>(i + 1))
      throw PackError("chapter " + std::to_string(i + 1) + " is out of place");
}

const SourceChapter& At(const std::vector<SourceChapter>& chapters, int n) {
  return chapters[static_cast<size_t>(n - 1)];
}

std::string Num(size_t n) { return std::to_string(n); }

std::string Plural(size_t n, const char* one, const char* many) {
  return Num(n) + ' ' + (n == 1 ? one : many);
}

std::string ArabicSpan(const std::string& utf8, const std::string& where) {
  return "<span dir=\"rtl\" lang=\"ar\">" + EncodeArabicLine(utf8, where) + "</span>";
}

std::string LongName(int n) { return ChapterLongName(std::to_string(n)); }

void Heading(StringList& out, const std::string& title, const std::string& arabic) {
  out.push_back("<table class=\"t1\" cellspacing=\"0\" cellpadding=\"4\">");
  out.push_back("<tr><td valign=\"bottom\"><font class=\"f1\"><b>" + title +
                "</b></font></td><td align=\"right\" valign=\"bottom\"><font class=\"a2\">" + arabic +
                "</font></td></tr>");
  out.push_back("<tr><td class=\"sp\" colspan=\"2\" style=\"padding:0; height:1px\"></td></tr>");
  out.push_back("</table>");
}

void BeginRows(StringList& out) {
  out.push_back("<table class=\"t1\" cellspacing=\"0\" cellpadding=\"3\">");
}

// A titled group of rows; `gap` leaves a blank line above it.
void Section(StringList& out, const std::string& title, bool gap = true) {
  out.push_back(std::string("<tr><td colspan=\"2\">") + (gap ? "<br>" : "") + "<font class=\"f3\"><b>" + title +
                "</b></font></td></tr>");
  out.push_back("<tr><td class=\"spi\" colspan=\"2\" style=\"padding:0; height:1px\"></td></tr>");
}

void Row(StringList& out, const std::string& label, const std::string& value) {
  out.push_back("<tr><td width=\"30%\" valign=\"top\"><font class=\"g1\">" + label +
                "</font></td><td valign=\"top\"><font class=\"f1\">" + value + "</font></td></tr>");
}

void EndRows(StringList& out) { out.push_back("</table>"); }

void Paragraph(StringList& out, const std::string& text) {
  out.push_back("<p><font class=\"f1\">" + text + "</font></p>");
}

std::string Period(bool medinan) {
  return medinan ? "Medinan: revealed at Medina, after the emigration from Mecca"
                 : "Meccan: revealed at Mecca, before the emigration to Medina";
}

// Where a chapter stands by its number of verses.
std::string LengthRank(const std::vector<SourceChapter>& chapters, int n) {
  const size_t count = At(chapters, n).verses.size();
  size_t longer = 0, same = 0, shorter = 0;
  for (const auto& c : chapters) {
    if (c.number == n) continue;
    if (c.verses.size() > count) ++longer;
    else if (c.verses.size() == count) ++same;
    else ++shorter;
  }
  const std::string total = Num(chapters.size());
  if (longer == 0 && same == 0) return "the longest chapter of the book";
  if (shorter == 0 && same == 0) return "the shortest chapter of the book";
  if (shorter == 0) return "one of the " + Num(same + 1) + " shortest chapters of the book";
  if (longer == 0) return "one of the " + Num(same + 1) + " longest chapters of the book";
  std::string text = Ordinal(static_cast<int>(longer + 1)) + " of the " + total + " chapters by length";
  if (same > 0) text += ", a place it shares with " + Plural(same, "other", "others");
  return text;
}

void ChapterBlock(StringList& out, const std::vector<SourceChapter>& chapters, int n) {
  const SourceChapter& c = At(chapters, n);
  const std::string where = "chapter " + std::to_string(n);
  Heading(out, LongName(n), ArabicSpan(c.arabicName, where + ": the Arabic name"));

  size_t first = 1;
  for (int k = 1; k < n; ++k) first += At(chapters, k).verses.size();
  size_t total = 0;
  for (const auto& ch : chapters) total += ch.verses.size();

  BeginRows(out);
  Row(out, "Name", ChapterName(n));
  Row(out, "Meaning", ChapterTitle(n));
  Row(out, "Period", Period(c.medinan));
  Row(out, "Verses", Num(c.verses.size()));
  Section(out, "Place in the book");
  Row(out, "Position", "chapter " + Num(static_cast<size_t>(n)) + " of " + Num(chapters.size()));
  Row(out, "Verses in the book",
      c.verses.size() == 1 ? "verse " + Num(first) + " of " + Num(total)
                           : "verses " + Num(first) + " to " + Num(first + c.verses.size() - 1) + " of " +
                                 Num(total));
  Row(out, "Length", LengthRank(chapters, n));
  Row(out, "Before it", n == 1 ? std::string("none: it opens the book") : LongName(n - 1));
  Row(out, "After it", n == kChapterCount ? std::string("none: it closes the book") : LongName(n + 1));
  Section(out, "Opening verse");
  Row(out, "Translation",
      EncodeCp1252Line(c.verses[0].translation, where + ", verse 1: the translation") +
          " <font class=\"f4\">[" + Num(static_cast<size_t>(n)) + ":1]</font>");
  Row(out, "Transliteration",
      EncodeCp1252Line(c.verses[0].transliteration, where + ", verse 1: the transliteration"));
  EndRows(out);
}

std::string ChapterList(const std::vector<int>& numbers) {
  std::string text;
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += i + 1 == numbers.size() ? " and " : ", ";
    text += std::to_string(numbers[i]) + ". " + ChapterName(numbers[i]);
  }
  return text;
}

}  // namespace

std::string Ordinal(int n) {
  const int tens = n % 100, last = n % 10;
  const char* suffix = "th";
  if (tens < 11 || tens > 13) {
    if (last == 1) suffix = "st";
    else if (last == 2) suffix = "nd";
    else if (last == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

std::string BuildBookInfo(const std::vector<SourceChapter>& chapters) {
  CheckChapters(chapters);
  size_t verses = 0, meccan = 0, medinan = 0, meccanVerses = 0, medinanVerses = 0;
  size_t most = 0, fewest = SIZE_MAX;
  for (const auto& c : chapters) {
    const size_t v = c.verses.size();
    verses += v;
    (c.medinan ? medinan : meccan) += 1;
    (c.medinan ? medinanVerses : meccanVerses) += v;
    most = std::max(most, v);
    fewest = std::min(fewest, v);
  }
  std::vector<int> longest, shortest;
  for (const auto& c : chapters) {
    if (c.verses.size() == most) longest.push_back(c.number);
    if (c.verses.size() == fewest) shortest.push_back(c.number);
  }

  StringList out;
  Heading(out, "The Qur'an", ArabicSpan(kBookArabicName, "the book's name"));
  Paragraph(out, "The Qur'an is the holy book of Islam. It is divided into " + Num(chapters.size()) +
                     " chapters (surahs) of " + Num(verses) +
                     " verses (ayat) in all. The chapters stand in a fixed order that is not the order "
                     "of their revelation; broadly, the long chapters come first and the short ones last.");
  BeginRows(out);
  Section(out, "The book in numbers", false);
  Row(out, "Chapters", Num(chapters.size()));
  Row(out, "Verses", Num(verses));
  Row(out, "Meccan chapters", Num(meccan) + ", with " + Plural(meccanVerses, "verse", "verses"));
  Row(out, "Medinan chapters", Num(medinan) + ", with " + Plural(medinanVerses, "verse", "verses"));
  Row(out, longest.size() == 1 ? "Longest chapter" : "Longest chapters",
      ChapterList(longest) + ", " + Plural(most, "verse", "verses") + (longest.size() == 1 ? "" : " each"));
  Row(out, shortest.size() == 1 ? "Shortest chapter" : "Shortest chapters",
      ChapterList(shortest) + ", " + Plural(fewest, "verse", "verses") + (shortest.size() == 1 ? "" : " each"));
  EndRows(out);
  Paragraph(out, "Each chapter is known as Meccan or Medinan by the period of its revelation: Meccan "
                 "chapters were revealed at Mecca, before the emigration to Medina, and Medinan chapters "
                 "after it, at Medina. The information page of each chapter gives its name and meaning, "
                 "its period, its number of verses and its place in the book.");
  BeginRows(out);
  Section(out, "About this edition", false);
  Row(out, "Arabic text", "the Uthmani script, from The Noble Qur'an Encyclopedia");
  Row(out, "English translation", "Saheeh International, by way of Tanzil");
  Row(out, "Transliteration", "from Tanzil");
  Row(out, "Compiled in", "quran-json 3.1.2, by Risan Bagja Pradana");
  Row(out, "Licence", "Creative Commons Attribution-ShareAlike 4.0 International (CC BY-SA 4.0)");
  EndRows(out);
  Paragraph(out, "Every chapter page shows each verse with its English translation and, as the display "
                 "option chooses, the Arabic text or its transliteration above it. Words in square "
                 "brackets in the translation are the translator's additions for clarity.");
  return JoinLines(out);
}

std::string BuildChapterInfo(const std::vector<SourceChapter>& chapters, int chapter) {
  CheckChapters(chapters);
  if (chapter < 1 || chapter > kChapterCount - 2)
    throw PackError("chapter " + std::to_string(chapter) + " has no information text of its own");
  StringList out;
  ChapterBlock(out, chapters, chapter);
  return JoinLines(out);
}

std::string BuildClosingChaptersInfo(const std::vector<SourceChapter>& chapters) {
  CheckChapters(chapters);
  StringList out;
  const int a = kChapterCount - 1, b = kChapterCount;
  Paragraph(out, "The last two chapters of the book, " + ChapterList({a, b}) +
                     ", share this page. They are often recited together and are known as "
                     "al-Mu'awwidhatayn, the two chapters of seeking refuge.");
  ChapterBlock(out, chapters, a);
  out.push_back("<br>");
  ChapterBlock(out, chapters, b);
  return JoinLines(out);
}

std::vector<InfoPage> BuildInfoPages(const std::vector<SourceChapter>& chapters) {
  std::vector<InfoPage> pages;
  pages.push_back({"0", BuildBookInfo(chapters)});
  for (int n = 1; n <= kChapterCount - 2; ++n) pages.push_back({std::to_string(n), BuildChapterInfo(chapters, n)});
  pages.push_back({kClosingChaptersKey, BuildClosingChaptersInfo(chapters)});
  return pages;
}

}  // namespace lumivra
