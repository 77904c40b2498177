#include "content/ContentError.h"
#include "pages/ChapterPageBuilder.h"
#include "tools/olvar-tool/Commands.h"

namespace lumivra::tool {

// Reads the lines as the reader's chapter view does. Absorbed failures give
// empty lists; the others throw.
int RunPage(const Args& args) {
  if (args.size() != 2) return Fail("usage: olvar-tool page OPTION CHAPTER");
  const std::string& opt = args[0];
  const auto option = opt.size() == 1 ? DisplayOptionFromValue(opt[0] - '0') : std::nullopt;
  if (!option) return Fail("display option must be 0, 1 or 2, not \"" + opt + "\"");
  const std::string& chapter = args[1];
  if (!ChapterArgument(chapter)) return Fail("bad chapter \"" + chapter + "\": use a chapter 1 to 114");

  StderrWarnings warnings;
  ContentStore store(CoreFileFolders());
  store.CheckCoreFiles(warnings);

  const ChapterTexts texts = store.LoadChapterTexts(*option, chapter);
  auto page = BuildChapterPage(*option, chapter, texts.first, texts.translation);
  if (page) WriteOut(*page);
  return 0;
}

}  // namespace lumivra::tool
