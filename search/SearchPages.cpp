#include "search/SearchPages.h"

#include <algorithm>

#include "content/ChapterCatalogue.h"
#include "content/ContentError.h"
#include "content/IntConvert.h"
#include "content/NodeKey.h"
#include "content/ResourceAddress.h"
#include "content/TextLines.h"
#include "search/ArabicMatch.h"
#include "search/VerseSearch.h"

namespace lumivra {

namespace {

constexpr char kMarkOpen[] = "<b><font color=\"red\">";
constexpr char kMarkClose[] = "</b></font>";

unsigned char UpperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

// `searchText` is markup already.
std::string HeaderHtml(const char* picture, const std::string& searchText,
                       const std::string& infoLine) {
  std::string out;
  out.reserve(600 + searchText.size() + infoLine.size());
  out += "<table class=\"t1\"><tr><td width=\"9%\"><img border=\"0\" src=\"";
  out += kResourceRoot;
  out += picture;
  out += "\"></td>";
  out += "<td width=\"90%\"><table class=\"t1\" cellpadding=0 cellspacing=0><tr bgcolor=white>"
         "<td class=\"def\"></td>";
  out += "<td><font class=\"f3\"><b>Search Text : ";
  out += searchText;
  out += ".<br>";
  out += infoLine;
  out += "</b></font></td>";
  out += "</tr></table><table class=\"t1\" cellpadding=0 cellspacing=0><tr bgcolor=\"#95AEC2\">"
         "<td class=\"d1\"></td><td class=\"d2\">";
  out += "<img src=\"";
  out += kResourceRoot;
  out += "tr_gif\"></td></tr></table></td></tr></table>";
  return out;
}

// A found verse's title over the opening of its table.
void AppendFoundTitle(std::string& out, const std::string& title) {
  out += "<font class=\"f3\">";
  out += title;
  out += "</font><table width=\"100%\" border=\"0\" cellpadding=0 cellspacing=0><tr><td "
         "class=\"spi\"></td></tr>";
}

void AppendFoundVerse(std::string& out, const std::string& title, const std::string& text) {
  AppendFoundTitle(out, title);
  out += "<tr><td><font class=\"f4\">";
  out += text;
  out += "</font></td></tr></table><p></p>";
}

std::string RecordTitle(const std::string& record) {
  return SearchVerseTitle(ParseIntDef(GetKeyField(record, '|', 1), 0),
                          GetKeyField(record, '|', 2));
}

}  // namespace

std::string LocaleUpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return text;
}

std::string EscapeHtml(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string SearchViewHeaderHtml(const std::string& searchText, const std::string& infoLine) {
  return HeaderHtml("searchview_gif", EscapeHtml(searchText), infoLine);
}

std::string SearchReportHeaderHtml(const std::string& searchText, const std::string& infoLine) {
  return HeaderHtml("searchreport_gif", EscapeHtml(searchText), infoLine);
}

std::string FoundVerseHtml(const std::string& title, const std::string& text) {
  std::string out;
  out.reserve(200 + title.size() + text.size());
  AppendFoundVerse(out, title, text);
  return out;
}

std::string HighlightMatches(const std::string& text, const std::string& pattern) {
  const std::string upperPattern = LocaleUpperCase(pattern);
  if (upperPattern.empty()) return text;
  const std::string upperText = LocaleUpperCase(text);
  size_t found = upperText.find(upperPattern);
  if (found == std::string::npos) return text;

  const std::string mark = kMarkOpen + EscapeHtml(upperPattern) + kMarkClose;
  std::string out;
  out.reserve(text.size() + 2 * mark.size());
  size_t from = 0;
  while (found != std::string::npos) {
    out.append(text, from, found - from);
    out += mark;
    from = found + upperPattern.size();
    found = upperText.find(upperPattern, from);
  }
  out.append(text, from, std::string::npos);
  return out;
}

std::string SearchVerseTitle(int chapter, const std::string& verse) {
  return "Surah/Chapter " + ChapterListName(chapter - 1) + ". Verse " + verse + ".";
}

std::string ReportCountLine(std::size_t count) {
  return "Total Found : " + std::to_string(count) + (count == 1 ? " Verse" : " Verses") +
         " (Lumivra).";
}

std::string BuildSearchViewBody(const std::string& record, const std::string& searchBoxText) {
  const std::string pattern = SearchPattern(searchBoxText);
  return SearchViewHeaderHtml(pattern, RecordTitle(record)) + "<br>" +
         FoundVerseHtml(kViewTranslationTitle,
                        HighlightMatches(GetKeyField(record, '|', 3), pattern));
}

std::string BuildSearchReportBody(const StringList& records, const std::vector<int>& positions,
                                  const std::string& searchBoxText) {
  const std::string pattern = SearchPattern(searchBoxText);
  std::string out = SearchReportHeaderHtml(pattern, ReportCountLine(positions.size()));
  out += "\r\n";
  out.reserve(out.size() + positions.size() * 520);
  for (int position : positions) {
    if (position < 0 || static_cast<size_t>(position) >= records.size())
      throw ContentError("List index out of bounds (" + std::to_string(position) + ")");
    const std::string& record = records[static_cast<size_t>(position)];
    out += "<br>";
    AppendFoundVerse(out, RecordTitle(record),
                     HighlightMatches(GetKeyField(record, '|', 3), pattern));
    out += "\r\n";
  }
  return out;
}

std::string HighlightArabicMatches(std::string_view line, const ArabicPattern& pattern) {
  DecodedText decoded;
  DecodeReferences(line, decoded);
  std::vector<ArabicUnit> units;
  UnitSpans spans;
  FoldVerse(decoded.chars, units, &spans);
  const auto matches = pattern.Matches(units);
  if (matches.empty()) return std::string(line);

  const std::u32string& chars = decoded.chars;
  auto arabic = [](char32_t cp) { return (cp >= 0x600 && cp <= 0x6FF) || (cp >= 0x8D3 && cp <= 0x8FF); };
  // Character ranges [first, end): a mark that a match begins on goes back
  // to its letter, the marks after the last letter come along.
  std::vector<std::pair<size_t, size_t>> ranges;
  for (const auto& [first, last] : matches) {
    size_t begin = spans.first[first];
    while (begin > 0 && IsCombiningMark(chars[begin]) && arabic(chars[begin - 1])) --begin;
    size_t end = spans.last[last] + 1;
    while (end < chars.size() && IsCombiningMark(chars[end])) ++end;
    if (!ranges.empty() && begin <= ranges.back().second)
      ranges.back().second = std::max(ranges.back().second, end);
    else
      ranges.emplace_back(begin, end);
  }
  std::string out;
  out.reserve(line.size() + ranges.size() * (sizeof kMarkOpen + sizeof kMarkClose));
  size_t copied = 0;
  for (const auto& [begin, end] : ranges) {
    const size_t from = decoded.offsets[begin], to = decoded.offsets[end];
    out.append(line.substr(copied, from - copied));
    out += kMarkOpen;
    out.append(line.substr(from, to - from));
    out += kMarkClose;
    copied = to;
  }
  out.append(line.substr(copied));
  return out;
}

namespace {

std::string ArabicSearchTextHtml(const std::string& text) {
  std::string out;
  for (const char32_t cp : DecodeUtf8Text(Trim(text))) {
    if (cp < 0x80)
      out += EscapeHtml(std::string(1, static_cast<char>(cp)));
    else
      out += "&#" + std::to_string(static_cast<uint32_t>(cp)) + ";";
  }
  return out;
}

void AppendArabicVerse(std::string& out, const VerseSearch& search, int position, const std::string& title,
                       const ArabicPattern& pattern) {
  AppendFoundTitle(out, title);
  out += "<tr><td dir=\"rtl\" align=\"right\"><font class=\"a1\">";
  out += HighlightArabicMatches(search.RecordArabicLine(position), pattern);
  out += "</font></td></tr><tr><td><font class=\"f4\">";
  out += search.RecordText(position);
  out += "</font></td></tr></table><p></p>";
}

std::string ArabicVerseTitle(const VerseSearch& search, int position) {
  return SearchVerseTitle(search.RecordChapter(position), search.RecordVerse(position));
}

}  // namespace

std::string BuildArabicSearchViewBody(const VerseSearch& search, int position,
                                      const std::string& searchBoxText) {
  const ArabicPattern pattern = ArabicPattern::FromText(searchBoxText);
  std::string out = HeaderHtml("searchview_gif", ArabicSearchTextHtml(searchBoxText),
                               ArabicVerseTitle(search, position));
  out += "<br>";
  AppendArabicVerse(out, search, position, kViewTranslationTitle, pattern);
  return out;
}

std::string BuildArabicSearchReportBody(const VerseSearch& search, const std::vector<int>& positions,
                                        const std::string& searchBoxText) {
  const ArabicPattern pattern = ArabicPattern::FromText(searchBoxText);
  std::string out = HeaderHtml("searchreport_gif", ArabicSearchTextHtml(searchBoxText),
                               ReportCountLine(positions.size()));
  out += "\r\n";
  for (const int position : positions) {
    const std::string title = ArabicVerseTitle(search, position);
    out += "<br>";
    AppendArabicVerse(out, search, position, title, pattern);
    out += "\r\n";
  }
  return out;
}

std::string SearchPageHtml(const std::string& body) { return StyledPage(body); }

bool ReportNeedsConfirmation(std::size_t hits) { return hits > kReportConfirmLimit; }

}  // namespace lumivra
