#include "dialogs/InformationPage.h"
#include "tools/olvar-tool/Commands.h"

namespace lumivra::tool {

// Writes the information page of KEY as the reader writes it into the
// information window. Without SIRef32.dll the page has an empty body, as in
// the reader; a key the file lacks is an error.
int RunInfo(const Args& args) {
  if (args.size() != 1) return Fail("usage: olvar-tool info KEY");
  const std::string& key = args[0];
  if (!IsInfoKey(key))
    return Fail("bad information key \"" + key +
                "\": use 0 (the book), 1 to 112, or 11314 (chapters 113 and 114)");

  StderrWarnings warnings;
  ContentStore store(CoreFileFolders());
  store.CheckCoreFiles(warnings);
  StringList lines;
  store.LoadChapterInfoLines(key, lines);
  WriteOut(BuildInformationPage(lines));
  return 0;
}

}  // namespace lumivra::tool
