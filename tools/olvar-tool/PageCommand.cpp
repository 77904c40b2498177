#include "ChapterPageBuilder.h"
#include "Commands.h"
#include "ContentError.h"

namespace lumivra::tool {

// Reads the lines as the reader's chapter view does: option 0 the Arabic then
// the translation, 1 the transliteration then the translation, 2 the
// translation only. Absorbed failures give empty lists; the others throw.
int RunPage(const Args& args) {
  if (args.size() != 2) return Fail("usage: olvar-tool page OPTION CHAPTER");
  const std::string& opt = args[0];
  if (opt != "0" && opt != "1" && opt != "2")
    return Fail("display option must be 0, 1 or 2, not \"" + opt + "\"");
  const int option = opt[0] - '0';
  const std::string& chapter = args[1];

  StderrWarnings warnings;
  ContentStore store(CoreFileFolders());
  store.CheckCoreFiles(warnings);

  StringList first, translation;
  if (option == 0) {
    store.LoadChapterLines(TextKind::Arabic, chapter, first);
    store.LoadChapterLines(TextKind::Translation, chapter, translation);
  } else if (option == 1) {
    store.LoadChapterLines(TextKind::Transliteration, chapter, first);
    store.LoadChapterLines(TextKind::Translation, chapter, translation);
  } else {
    store.LoadChapterLines(TextKind::Translation, chapter, translation);
  }
  auto page = BuildChapterPage(option, chapter, first, translation);
  if (page) WriteOut(*page);
  return 0;
}

}  // namespace lumivra::tool
