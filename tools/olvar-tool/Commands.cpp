#include "tools/olvar-tool/Commands.h"

#include <cstdio>
#include <iostream>

#include "content/ChapterCatalogue.h"
#include "content/Cp1252.h"
#include "content/IntConvert.h"
#include "search/ArabicFold.h"

namespace lumivra::tool {

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands{
      {"page", "OPTION CHAPTER",
       "Writes the chapter page the reader shows for display option OPTION (0 Arabic and\n"
       "translation, 1 transliteration and translation, 2 translation only) and CHAPTER\n"
       "(the chapter number 1 to 114, e.g. 2). Reads the core files (see above).",
       RunPage},
      {"resource", "FILE NAME",
       "Writes the raw bytes of the type-23 resource NAME (any letter case) of the file FILE,\n"
       "a path taken as given (it is not looked for beside olvar-tool),\n"
       "e.g. olvar-tool resource ./ETRRef32.dll ETR2.",
       RunResource},
      {"pack", "SOURCE_DIR OUT_DIR",
       "Packs the content package's dist folder SOURCE_DIR (chapters/en/1.json ... 114.json)\n"
       "into the core files ARef32.dll, ETRRef32.dll, TLRef32.dll and SIRef32.dll in OUT_DIR.\n"
       "A missing chapter, a verse count that does not match, or text that cannot be packed\n"
       "stops it with a message naming it, and no core file is written.",
       RunPack},
      {"info", "KEY",
       "Writes the information page the reader shows for the information key KEY: 0 for the\n"
       "book, 1 to 112 for a chapter, 11314 for chapters 113 and 114 (they share one text).\n"
       "Reads SIRef32.dll.",
       RunInfo},
      {"view", "TEXT INDEX [SCOPE]",
       "Searches the translation for TEXT as the search dialog does (SCOPE 0 or absent: all\n"
       "chapters, 1 to 114: that chapter) and writes the search view page of result INDEX,\n"
       "counting from 0. Reads ETRRef32.dll. A TEXT holding an Arabic letter (UTF-8)\n"
       "searches the Arabic instead, as the dialog does, and the page shows the Arabic\n"
       "verse with its matches marked above the translation; that also reads ARef32.dll.",
       RunView},
      {"report", "TEXT [SCOPE]",
       "Searches as view does and writes the search report page of every hit.",
       RunReport},
      {"search", "TEXT [SCOPE]",
       "Searches the translation for TEXT as the search dialog does (SCOPE 0 or absent: all\n"
       "chapters, 1 to 114: that chapter) and prints \"Found : N.\", then each result line as\n"
       "the dialog's list shows it, in Windows-1252. Reads ETRRef32.dll. A TEXT holding an\n"
       "Arabic letter (UTF-8) searches the Arabic of ARef32.dll instead, as the dialog does:\n"
       "typed without the vowel marks, in modern or Uthmani spelling.",
       RunSearch},
  };
  return commands;
}

int Fail(const std::string& text) {
  std::cerr << "olvar-tool: " << text << '\n';
  return 1;
}

std::optional<int> ChapterArgument(const std::string& text) { return PlainNumber(text, kChapterCount); }

std::optional<int> ScopeArgument(const std::string& text) {
  const auto scope = text == "0" ? std::optional<int>(0) : ChapterArgument(text);
  if (!scope) Fail("bad scope \"" + text + "\": use 0 (all chapters) or a chapter 1 to 114");
  return scope;
}

void WriteOut(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

SearchText SearchTextArgument(const std::string& argument) {
  if (HoldsArabicLetter(argument)) return {argument, true};
  return {Utf8ToCp1252(argument).value_or(argument), false};
}

void StderrWarnings::Warn(const std::string& text) { std::cerr << "olvar-tool: " << text << '\n'; }

}  // namespace lumivra::tool
