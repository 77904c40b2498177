#include "content/ContentError.h"
#include "content/Cp1252.h"
#include "content/PeResourceFile.h"
#include "content/Prefault.h"
#include "search/VerseSearch.h"
#include "tools/olvar-tool/Commands.h"

namespace lumivra::tool {

// The search of the search dialog: TEXT trimmed and upper-cased, SCOPE the
// index of the scope list (0 all chapters, n chapter n). Prints the count
// line, then the result lines as the list shows them.
int RunSearch(const Args& args) {
  if (args.empty() || args.size() > 2) return Fail("usage: olvar-tool search TEXT [SCOPE]");
  // Text from a terminal is UTF-8; bytes that are not are taken as Windows-1252.
  const std::string text = Utf8ToCp1252(args[0]).value_or(args[0]);
  const std::string pattern = SearchPattern(text);
  if (pattern.empty()) return Fail("the search text is blank: nothing to search for");
  const auto scope = args.size() == 2 ? ScopeArgument(args[1]) : 0;
  if (!scope) return 1;

  std::string error;
  std::string path = FindFileIn(CoreFileFolders(), kTranslationFile);
  if (path.empty()) path = kTranslationFile;  // opening it then says why not
  const auto translation = PeResourceFile::Open(path, &error);
  if (!translation) return Fail(std::string("cannot read the translation core file ") + kTranslationFile + ": " + error);
  VerseSearch search;
  try {
    search.SetTranslationLibrary(translation.get());
  } catch (const ContentError& e) {
    return Fail(std::string(kTranslationFile) + ": " + e.what());
  }
  search.MatchVerses(pattern, *scope);

  const auto& found = search.FoundPositions();
  std::string out = "Found : " + std::to_string(found.size()) + ".\n";
  out.reserve(out.size() + found.size() * 56);
  Prefault(out.data() + out.size(), out.capacity() - out.size());
  for (int position : found) {
    search.AppendRecordResultLine(out, position);
    out.append(1, '\n');
  }
  WriteOut(out);
  return 0;
}

}  // namespace lumivra::tool
