// Any search text (the input up to its first NUL) over a few verses and one
// verse made of the rest of the input: the one-scan index finds what a search
// record by record finds, and the view and report pages are built for the hits.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "search/SearchPages.h"
#include "search/VerseSearch.h"

using namespace lumivra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  const std::string text(input.substr(0, nul));
  StringList records{
      "1|1|In the name of Allah, the Entirely Merciful, the Especially Merciful.",
      "2|255|Allah - there is no deity except Him, the Ever-Living, the Sustainer of [all] existence.",
      "3|7|caf\xE9 & CAF\xC9 <b>bold</b> &amp; a | bar \x9A\x8A\xFF",
      "114|6|From among the jinn and mankind.",
  };
  if (nul != std::string_view::npos) {
    std::string verse = "114|7|";
    for (const char c : input.substr(nul + 1))
      if (c != '\r' && c != '\n' && c != '\0') verse += c;  // what a line of a core file can hold
    records.push_back(verse);
  }

  RecordIndex index;
  for (const auto& record : records) index.Add({}, record);
  const std::string pattern = SearchPattern(text);
  std::vector<int> found;
  index.Match(pattern, 0, index.Count(), found);
  std::vector<int> expected;
  for (size_t i = 0; i < records.size(); ++i)
    if (RecordContains(records[i], pattern)) expected.push_back(static_cast<int>(i));
  if (found != expected) __builtin_trap();
  // A scope of one record finds it alone, or nothing.
  std::vector<int> inOne;
  index.Match(pattern, 1, 2, inOne);
  const bool hasOne = std::find(found.begin(), found.end(), 1) != found.end();
  if (inOne != (hasOne ? std::vector<int>{1} : std::vector<int>{})) __builtin_trap();

  for (const int position : found) SearchPageHtml(BuildSearchViewBody(records[static_cast<size_t>(position)], text));
  if (!found.empty()) SearchPageHtml(BuildSearchReportBody(records, found, text));
  return 0;
}
