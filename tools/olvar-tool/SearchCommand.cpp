#include "content/ContentError.h"
#include "content/PeResourceFile.h"
#include "content/Prefault.h"
#include "content/TextLines.h"
#include "search/VerseSearch.h"
#include "tools/olvar-tool/Commands.h"

namespace lumivra::tool {

// The search of the search dialog: TEXT trimmed and upper-cased, SCOPE the
// index of the scope list (0 all chapters, n chapter n). Prints the count
// line, then the result lines as the list shows them. A text holding an
// Arabic letter searches the Arabic (ARef32.dll).
int RunSearch(const Args& args) {
  if (args.empty() || args.size() > 2) return Fail("usage: olvar-tool search TEXT [SCOPE]");
  const SearchText text = SearchTextArgument(args[0]);
  const std::string pattern = text.arabic ? Trim(text.text) : SearchPattern(text.text);
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
  std::unique_ptr<PeResourceFile> arabicFile;
  if (text.arabic) {
    // Without a sound Arabic file the Arabic search finds nothing, as in the reader.
    const std::string arabicPath = FindFileIn(CoreFileFolders(), kArabicFile);
    if (!arabicPath.empty()) arabicFile = PeResourceFile::Open(arabicPath);
    if (!arabicFile) StderrWarnings().Warn(std::string("Warning : Failed to load core file ") + kArabicFile + ".");
    search.SetArabicLibrary(arabicFile.get());
    search.MatchArabicVerses(pattern, *scope);
  } else {
    search.MatchVerses(pattern, *scope);
  }

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
