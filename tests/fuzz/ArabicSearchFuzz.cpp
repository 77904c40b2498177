// Any search text (the input up to its first NUL, taken as UTF-8) over a few
// Arabic verses and one verse made of the rest of the input (a line of the
// Arabic file: bytes and character references). The two automata agree with
// each other, with the quick test before them and, on short texts, with the
// matching rules spelt out one by one; the marks keep the line's bytes; the
// Arabic pages are built for every hit.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "content/PeResourceFile.h"
#include "search/ArabicMatch.h"
#include "search/SearchPages.h"
#include "search/VerseSearch.h"
#include "tests/content/PeImage.h"
#include "tests/search/TranslationFixture.h"

using namespace lumivra;
using namespace lumivra::arabic;

namespace {

// Whether pattern units p[j..] match from verse unit i on, by the rules as
// written (backtracking: for short texts only).
bool MatchesFrom(const std::vector<ArabicUnit>& p, size_t j, const std::vector<ArabicUnit>& v, size_t i) {
  if (j == p.size()) return true;
  if (p[j] == kBlank) {
    if (i < v.size() && v[i] == kBlank && MatchesFrom(p, j + 1, v, i + 1)) return true;
    return MatchesFrom(p, j + 1, v, i);
  }
  if (i == v.size()) return false;
  const ArabicUnit u = v[i];
  if (SmallLetterOf(u)) return MatchesFrom(p, j, v, i + 1) || (SmallLetterOf(u) == p[j] && MatchesFrom(p, j + 1, v, i + 1));
  if (u == kWawSmallAlef || u == kYehSmallAlef) {
    if (p[j] == kAlef && i + 1 < v.size() && v[i + 1] == kSmallAlef && MatchesFrom(p, j + 1, v, i + 2)) return true;
    return p[j] == (u == kWawSmallAlef ? kWaw : kYeh) && MatchesFrom(p, j + 1, v, i + 1);
  }
  return u == p[j] && u != kOther && MatchesFrom(p, j + 1, v, i + 1);
}

const PeResourceFile& Translation() {
  static const auto file = testing::MakeTranslation({{1, "one\r\ntwo\r\nthree\r\nfour\r\n"}});
  return *file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  const std::string text(input.substr(0, nul));
  std::string verse;
  if (nul != std::string_view::npos)
    for (const char c : input.substr(nul + 1))
      if (c != '\r' && c != '\n') verse += c;  // what a line of a core file can hold
  // 1:1, 2:255 in part, 4:176 in part (with a yeh and small alef), and the input's verse.
  const std::string lines =
      "&#1576;&#1616;&#1587;&#1761;&#1605;&#1616; &#1649;&#1604;&#1604;&#1617;&#1614;&#1607;&#1616; "
      "&#1649;&#1604;&#1585;&#1617;&#1614;&#1581;&#1761;&#1605;&#1614;&#1648;&#1606;&#1616;\r\n"
      "&#1649;&#1604;&#1604;&#1617;&#1614;&#1607;&#1615; &#1604;&#1614;&#1575;&#1619; "
      "&#1573;&#1616;&#1604;&#1614;&#1648;&#1607;&#1614; &#1573;&#1616;&#1604;&#1617;&#1614;&#1575; "
      "&#1607;&#1615;&#1608;&#1614;\r\n"
      "&#1610;&#1614;&#1648;&#1619;&#1571;&#1614;&#1610;&#1617;&#1615;&#1607;&#1614;&#1575; "
      "&#1649;&#1604;&#1589;&#1617;&#1614;&#1604;&#1614;&#1608;&#1648;&#1577;&#1614; &#1750;\r\n" +
      verse + "\r\n";
  const auto arabic = PeResourceFile::FromBytes(testing::BuildPeImage({{23, "A1", lines}}).image);
  if (!arabic) __builtin_trap();

  const ArabicPattern pattern = ArabicPattern::FromText(text);
  VerseSearch search;
  search.SetTranslationLibrary(&Translation());
  search.SetArabicLibrary(arabic.get());
  search.MatchArabicVerses(text, 0);
  const std::vector<int> found = search.FoundPositions();
  std::vector<int> expected;
  for (int position = 0; position < 4; ++position) {
    const std::string_view line = search.RecordArabicLine(position);
    DecodedText decoded;
    DecodeReferences(line, decoded);
    std::vector<ArabicUnit> units;
    UnitSpans spans;
    FoldVerse(decoded.chars, units, &spans);
    if (spans.first.size() != units.size() || spans.last.size() != units.size()) __builtin_trap();
    for (size_t k = 0; k < units.size(); ++k)
      if (spans.first[k] > spans.last[k] || spans.last[k] >= decoded.chars.size()) __builtin_trap();

    const bool occurs = pattern.Occurs(units);
    const auto matches = pattern.Matches(units);
    if (occurs != !matches.empty()) __builtin_trap();
    if (occurs && !pattern.MayOccur(SignatureOf(units), units.size())) __builtin_trap();
    if (pattern.Units().size() <= 10 && units.size() <= 40) {
      bool byRules = false;
      for (size_t i = 0; i <= units.size() && !byRules && pattern.CanMatch(); ++i)
        byRules = MatchesFrom(pattern.Units(), 0, units, i);
      if (byRules != occurs) __builtin_trap();
    }
    for (size_t k = 0; k < matches.size(); ++k)
      if (matches[k].first > matches[k].second || (k > 0 && matches[k].first <= matches[k - 1].second))
        __builtin_trap();
    if (occurs) expected.push_back(position);

    // The marks are the only change to the line.
    const std::string marked = HighlightArabicMatches(line, pattern);
    std::string unmarked;
    auto inserted = [&](size_t at) -> size_t {
      for (const std::string_view tag : {"<b><font color=\"red\">", "</b></font>"})
        if (std::string_view(marked).substr(at).starts_with(tag) && !line.substr(unmarked.size()).starts_with(tag))
          return tag.size();
      return 0;
    };
    for (size_t at = 0; at < marked.size();) {
      if (const size_t tag = inserted(at)) at += tag;
      else unmarked += marked[at++];
    }
    if (unmarked != line) __builtin_trap();
  }
  if (found != expected) __builtin_trap();

  for (const int position : found) SearchPageHtml(BuildArabicSearchViewBody(search, position, text));
  if (!found.empty()) SearchPageHtml(BuildArabicSearchReportBody(search, found, text));
  search.ClearFoundPositions();
  search.MatchArabicVerses(text, 1);
  if (search.FoundPositions() != found) __builtin_trap();  // all four verses are chapter 1's
  return 0;
}
