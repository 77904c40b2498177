#include "content/IntConvert.h"
#include "search/SearchPages.h"
#include "search/VerseSearch.h"
#include "tools/olvar-tool/Commands.h"

namespace lumivra::tool {

namespace {

// Runs the search the dialog runs for `text` in SCOPE (over the Arabic for an
// Arabic text); returns 0 with `search` filled, or the exit code of a refusal.
int RunSearchFor(const SearchText& text, const std::string* scopeText, ContentStore& store,
                 VerseSearch& search) {
  const auto scope = scopeText != nullptr ? ScopeArgument(*scopeText) : 0;
  if (!scope) return 1;
  const std::string pattern = SearchPattern(text.text);
  if (pattern.empty()) return Fail("the search text is empty");

  StderrWarnings warnings;
  store.CheckCoreFiles(warnings);
  if (store.TranslationLibrary() == nullptr)
    return Fail("the translation core file ETRRef32.dll is not available here");
  search.SetTranslationLibrary(store.TranslationLibrary());
  if (text.arabic) {
    search.SetArabicLibrary(store.ArabicLibrary());
    search.MatchArabicVerses(text.text, *scope);
  } else {
    search.MatchVerses(pattern, *scope);
  }
  return 0;
}

}  // namespace

// The view page of result INDEX (from 0), as the reader writes it into the
// information window.
int RunView(const Args& args) {
  if (args.size() != 2 && args.size() != 3)
    return Fail("usage: olvar-tool view TEXT INDEX [SCOPE]");
  const auto index = ParseInt(args[1]);
  if (!index || *index < 0) return Fail("bad result index \"" + args[1] + "\": counting from 0");
  ContentStore store(CoreFileFolders());
  const SearchText text = SearchTextArgument(args[0]);
  VerseSearch search;
  if (int rc = RunSearchFor(text, args.size() == 3 ? &args[2] : nullptr, store, search))
    return rc;
  const auto& found = search.FoundPositions();
  if (static_cast<size_t>(*index) >= found.size())
    return Fail("no result " + args[1] + ": the search found " + std::to_string(found.size()) +
                (found.size() == 1 ? " verse" : " verses"));
  const int position = found[static_cast<size_t>(*index)];
  if (text.arabic) {
    WriteOut(SearchPageHtml(BuildArabicSearchViewBody(search, position, text.text)));
    return 0;
  }
  const std::string& record = search.VerseRecords()[static_cast<size_t>(position)];
  WriteOut(SearchPageHtml(BuildSearchViewBody(record, text.text)));
  return 0;
}

// The report page of every hit.
int RunReport(const Args& args) {
  if (args.size() != 1 && args.size() != 2) return Fail("usage: olvar-tool report TEXT [SCOPE]");
  ContentStore store(CoreFileFolders());
  const SearchText text = SearchTextArgument(args[0]);
  VerseSearch search;
  if (int rc = RunSearchFor(text, args.size() == 2 ? &args[1] : nullptr, store, search))
    return rc;
  if (search.FoundPositions().empty())
    return Fail("the search found no verse, so there is no report");
  WriteOut(SearchPageHtml(
      text.arabic ? BuildArabicSearchReportBody(search, search.FoundPositions(), text.text)
                  : BuildSearchReportBody(search.VerseRecords(), search.FoundPositions(), text.text)));
  return 0;
}

}  // namespace lumivra::tool
